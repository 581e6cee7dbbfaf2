-- Rapid selection, segment 60 (seal): the codes offered after the earlier segments.
SELECT DISTINCT v.SealCode AS Code060, x.SMaterialLinkText AS Text060, x.SMaterialOrder AS SortKey
FROM Valve v
JOIN Seal x ON x.SMaterialLink = v.SMaterialLink
WHERE v.SeriesLink = :parDesignSeriesLink
  AND v.BodyCode = :parCode020
  AND v.ConTypeCode = :parCode030
  AND v.ConSizeLink = :parCode040
  AND v.OrificeLink = :parCode050
ORDER BY SortKey;
