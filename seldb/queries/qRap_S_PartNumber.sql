-- Rapid selection, solenoid only: the coil part number ("C" and the coil code) and description.
SELECT 'C' || c.CoilLink AS PartNumber,
       printf((SELECT Text FROM QueryText WHERE TextKey = 'CoilOnly'), cd.Description)
       || CASE WHEN :ValvePartNumber_NoteLink = '' THEN '' ELSE ' (' || :ValvePartNumber_NoteLink || ')' END
       || CASE WHEN :SolenoidPartNumber_Notes = '' THEN '' ELSE ' (' || :SolenoidPartNumber_Notes || ')' END AS PNDescription
FROM Coil c
JOIN CoilDescription cd ON cd.CoilId = c.CoilId
WHERE :parRapSelChoiceLink = 'Solenoid'
  AND c.CoilFamily = (SELECT CoilFamily FROM Series WHERE SeriesLink = :parDesignSeriesLink)
  AND c.PowerClass = :parCode080
  AND c.ClassCode = :parCode090
  AND c.HousingCode = :parCode100
  AND c.TermCode = :parCode110
  AND c.VoltLink = :parCode120
ORDER BY c.CoilId;
