-- Rapid selection, segment 20 (body material): the codes offered after the earlier segments.
SELECT DISTINCT v.BodyCode AS Code020, x.BMaterialLinkText AS Text020, x.BMaterialOrder AS SortKey
FROM Valve v
JOIN BodyMaterial x ON x.BMaterialLink = v.BMaterialLink
WHERE v.SeriesLink = :parDesignSeriesLink
ORDER BY SortKey;
