-- Rapid selection, segment 40 (port size): the codes offered after the earlier segments.
SELECT DISTINCT v.ConSizeLink AS Code040, x.ConSizeLinkText AS Text040, x.ConSizeOrder AS SortKey
FROM Valve v
JOIN PortSize x ON x.ConSizeLink = v.ConSizeLink
WHERE v.SeriesLink = :parDesignSeriesLink
  AND v.BodyCode = :parCode020
  AND v.ConTypeCode = :parCode030
ORDER BY SortKey;
