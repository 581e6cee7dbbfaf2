-- Segments of a build type of a series: field number, heading and display state.
SELECT f.RapSelFieldNum, f.RapSelFieldHeading, f.FieldDisplayState
FROM RapidField f
WHERE f.PNType = :parRapSelChoiceLink
  AND f.RapSelFieldNum < 999
  AND EXISTS (SELECT 1 FROM RapidSeriesType t
              WHERE t.DesignSeriesLink = :parDesignSeriesLink AND t.PNType = f.PNType)
ORDER BY f.RapSelFieldNum;
