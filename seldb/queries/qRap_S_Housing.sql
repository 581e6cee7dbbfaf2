-- Rapid selection, solenoid only, segment 100 (coil housing): coils made for the series.
SELECT DISTINCT c.HousingCode AS Code100, printf((SELECT Text FROM QueryText WHERE TextKey = 'HousingText'), x.SolConstLinkText, y.EncloseLinkText) AS Text100, c.HousingCode AS SortKey
FROM Coil c
JOIN SolConstruction x ON x.SolConstLink = c.SolConstLink
JOIN Enclosure y ON y.EncloseLink = c.EncloseLink
WHERE c.CoilFamily = (SELECT CoilFamily FROM Series WHERE SeriesLink = :parDesignSeriesLink)
  AND c.PowerClass IN (SELECT PowerClass FROM SeriesSize WHERE SeriesLink = :parDesignSeriesLink)
  AND c.PowerClass = :parCode080
  AND c.ClassCode = :parCode090
ORDER BY SortKey;
