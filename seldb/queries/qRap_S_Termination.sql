-- Rapid selection, solenoid only, segment 110 (termination): coils made for the series.
SELECT DISTINCT c.TermCode AS Code110, x.TermLinkText AS Text110, x.TermOrder AS SortKey
FROM Coil c
JOIN Termination x ON x.TermLink = c.TermLink
WHERE c.CoilFamily = (SELECT CoilFamily FROM Series WHERE SeriesLink = :parDesignSeriesLink)
  AND c.PowerClass IN (SELECT PowerClass FROM SeriesSize WHERE SeriesLink = :parDesignSeriesLink)
  AND c.PowerClass = :parCode080
  AND c.ClassCode = :parCode090
  AND c.HousingCode = :parCode100
ORDER BY SortKey;
