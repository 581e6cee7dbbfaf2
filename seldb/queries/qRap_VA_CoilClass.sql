-- Rapid selection, complete valve, segment 90 (coil class): coils of the parts of the valve chosen.
SELECT DISTINCT c.ClassCode AS Code090, x.CoilClsLinkText AS Text090, x.CoilClsOrder AS SortKey
FROM PartView v
JOIN Coil c ON c.CoilId = v.CoilId
JOIN CoilClass x ON x.CoilClsLink = c.CoilClsLink
WHERE v.SeriesLink = :parDesignSeriesLink
  AND v.BodyCode = :parCode020
  AND v.ConTypeCode = :parCode030
  AND v.ConSizeLink = :parCode040
  AND v.OrificeLink = :parCode050
  AND v.SealCode = :parCode060
  AND v.OptionCode = :parCode070
  AND c.PowerClass = :parCode080
ORDER BY SortKey;
