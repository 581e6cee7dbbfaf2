-- Rapid selection, segment 30 (connection): the codes offered after the earlier segments.
SELECT DISTINCT v.ConTypeCode AS Code030, x.ConTypeLinkText AS Text030, x.ConTypeOrder AS SortKey
FROM Valve v
JOIN ConnectionType x ON x.ConTypeLink = v.ConTypeLink
WHERE v.SeriesLink = :parDesignSeriesLink
  AND v.BodyCode = :parCode020
ORDER BY SortKey;
