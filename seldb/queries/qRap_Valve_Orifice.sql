-- Rapid selection, segment 50 (orifice): the codes offered after the earlier segments.
SELECT DISTINCT v.OrificeLink AS Code050, x.OrificeLinkText AS Text050, x.OrificeOrder AS SortKey
FROM Valve v
JOIN Orifice x ON x.OrificeLink = v.OrificeLink
WHERE v.SeriesLink = :parDesignSeriesLink
  AND v.BodyCode = :parCode020
  AND v.ConTypeCode = :parCode030
  AND v.ConSizeLink = :parCode040
ORDER BY SortKey;
