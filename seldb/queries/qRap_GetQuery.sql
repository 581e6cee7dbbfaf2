-- Name of the query that fills a segment; field 999 gives the query of the complete number.
SELECT f.Query
FROM RapidField f
WHERE f.PNType = :parRapSelChoiceLink
  AND f.RapSelFieldNum = :parRapSelFieldNum
  AND f.Query <> ''
  AND EXISTS (SELECT 1 FROM RapidSeriesType t
              WHERE t.DesignSeriesLink = :parDesignSeriesLink AND t.PNType = f.PNType);
