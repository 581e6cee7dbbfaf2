-- Rapid selection, complete valve, segment 110 (termination): coils of the parts of the valve chosen.
SELECT DISTINCT c.TermCode AS Code110, x.TermLinkText AS Text110, x.TermOrder AS SortKey
FROM PartView v
JOIN Coil c ON c.CoilId = v.CoilId
JOIN Termination x ON x.TermLink = c.TermLink
WHERE v.SeriesLink = :parDesignSeriesLink
  AND v.BodyCode = :parCode020
  AND v.ConTypeCode = :parCode030
  AND v.ConSizeLink = :parCode040
  AND v.OrificeLink = :parCode050
  AND v.SealCode = :parCode060
  AND v.OptionCode = :parCode070
  AND c.PowerClass = :parCode080
  AND c.ClassCode = :parCode090
  AND c.HousingCode = :parCode100
ORDER BY SortKey;
