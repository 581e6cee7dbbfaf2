-- Rapid selection, complete valve: the part number of the codes chosen and its description.
SELECT v.CompletePN AS PartNumber,
       printf((SELECT Text FROM QueryText WHERE TextKey = 'WithCoil'), vd.Description, cd.Description)
       || CASE WHEN :ValvePartNumber_NoteLink = '' THEN '' ELSE ' (' || :ValvePartNumber_NoteLink || ')' END
       || CASE WHEN :SolenoidPartNumber_Notes = '' THEN '' ELSE ' (' || :SolenoidPartNumber_Notes || ')' END AS PNDescription
FROM PartView v
JOIN Coil c ON c.CoilId = v.CoilId
JOIN ValveDescription vd ON vd.ValveId = v.ValveId
JOIN CoilDescription cd ON cd.CoilId = v.CoilId
WHERE :parRapSelChoiceLink = 'ValveAssembly'
  AND v.SeriesLink = :parDesignSeriesLink
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
  AND c.VoltLink = :parCode120
ORDER BY v.PNId;
