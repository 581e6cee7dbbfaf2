-- Rapid selection, valve only: valve number and suffix of the codes chosen, and description.
SELECT v.ValveNumberLink || v.SufxLink AS PartNumber,
       vd.Description
       || CASE WHEN :ValvePartNumber_NoteLink = '' THEN '' ELSE ' (' || :ValvePartNumber_NoteLink || ')' END
       || CASE WHEN :SolenoidPartNumber_Notes = '' THEN '' ELSE ' (' || :SolenoidPartNumber_Notes || ')' END AS PNDescription
FROM Valve v
JOIN ValveDescription vd ON vd.ValveId = v.ValveId
WHERE :parRapSelChoiceLink = 'Valve'
  AND v.SeriesLink = :parDesignSeriesLink
  AND v.BodyCode = :parCode020
  AND v.ConTypeCode = :parCode030
  AND v.ConSizeLink = :parCode040
  AND v.OrificeLink = :parCode050
  AND v.SealCode = :parCode060
  AND v.OptionCode = :parCode070
ORDER BY v.ValveId;
