-- Rapid selection, complete valve, segment 100 (coil housing): coils of the parts of the valve chosen.
SELECT DISTINCT c.HousingCode AS Code100, printf((SELECT Text FROM QueryText WHERE TextKey = 'HousingText'), x.SolConstLinkText, y.EncloseLinkText) AS Text100, c.HousingCode AS SortKey
FROM PartView v
JOIN Coil c ON c.CoilId = v.CoilId
JOIN SolConstruction x ON x.SolConstLink = c.SolConstLink
JOIN Enclosure y ON y.EncloseLink = c.EncloseLink
WHERE v.SeriesLink = :parDesignSeriesLink
  AND v.BodyCode = :parCode020
  AND v.ConTypeCode = :parCode030
  AND v.ConSizeLink = :parCode040
  AND v.OrificeLink = :parCode050
  AND v.SealCode = :parCode060
  AND v.OptionCode = :parCode070
  AND c.PowerClass = :parCode080
  AND c.ClassCode = :parCode090
ORDER BY SortKey;
