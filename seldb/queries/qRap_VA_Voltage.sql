-- Rapid selection, complete valve, segment 120 (voltage): coils of the parts of the valve chosen.
SELECT DISTINCT c.VoltLink AS Code120, x.VoltText AS Text120, x.VoltOrder AS SortKey
FROM PartView v
JOIN Coil c ON c.CoilId = v.CoilId
JOIN VoltageWithCurrent x ON x.VoltLink = c.VoltLink
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
  AND c.TermCode = :parCode110
ORDER BY SortKey;
