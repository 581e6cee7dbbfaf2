-- Rapid selection, solenoid only, segment 120 (voltage): coils made for the series.
SELECT DISTINCT c.VoltLink AS Code120, x.VoltText AS Text120, x.VoltOrder AS SortKey
FROM Coil c
JOIN VoltageWithCurrent x ON x.VoltLink = c.VoltLink
WHERE c.CoilFamily = (SELECT CoilFamily FROM Series WHERE SeriesLink = :parDesignSeriesLink)
  AND c.PowerClass IN (SELECT PowerClass FROM SeriesSize WHERE SeriesLink = :parDesignSeriesLink)
  AND c.PowerClass = :parCode080
  AND c.ClassCode = :parCode090
  AND c.HousingCode = :parCode100
  AND c.TermCode = :parCode110
ORDER BY SortKey;
