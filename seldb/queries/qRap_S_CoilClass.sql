-- Rapid selection, solenoid only, segment 90 (coil class): coils made for the series.
SELECT DISTINCT c.ClassCode AS Code090, x.CoilClsLinkText AS Text090, x.CoilClsOrder AS SortKey
FROM Coil c
JOIN CoilClass x ON x.CoilClsLink = c.CoilClsLink
WHERE c.CoilFamily = (SELECT CoilFamily FROM Series WHERE SeriesLink = :parDesignSeriesLink)
  AND c.PowerClass IN (SELECT PowerClass FROM SeriesSize WHERE SeriesLink = :parDesignSeriesLink)
  AND c.PowerClass = :parCode080
ORDER BY SortKey;
