-- Rapid selection, segment 70 (option): the codes offered after the earlier segments.
SELECT DISTINCT v.OptionCode AS Code070, x.FloPatOptLinkText AS Text070, x.OptOrder AS SortKey
FROM Valve v
JOIN FlowPatternOption x ON x.FloPatLink = v.FloPatLink AND x.FloPatOptLink = v.FloPatOptLink
WHERE v.SeriesLink = :parDesignSeriesLink
  AND v.BodyCode = :parCode020
  AND v.ConTypeCode = :parCode030
  AND v.ConSizeLink = :parCode040
  AND v.OrificeLink = :parCode050
  AND v.SealCode = :parCode060
ORDER BY SortKey;
