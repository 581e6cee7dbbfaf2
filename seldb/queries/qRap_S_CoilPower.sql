-- Rapid selection, solenoid only, segment 80 (coil power): coils made for the series.
SELECT DISTINCT c.PowerClass AS Code080, printf((SELECT Text FROM QueryText WHERE TextKey = 'CoilPower'), COALESCE(pa.WattageText, '-'), COALESCE(pd.WattageText, '-')) AS Text080, c.PowerClass AS SortKey
FROM Coil c
LEFT JOIN CoilPower pa ON pa.CoilFamily = c.CoilFamily AND pa.PowerClass = c.PowerClass AND pa.AcDcLink = 'AC'
LEFT JOIN CoilPower pd ON pd.CoilFamily = c.CoilFamily AND pd.PowerClass = c.PowerClass AND pd.AcDcLink = 'DC'
WHERE c.CoilFamily = (SELECT CoilFamily FROM Series WHERE SeriesLink = :parDesignSeriesLink)
  AND c.PowerClass IN (SELECT PowerClass FROM SeriesSize WHERE SeriesLink = :parDesignSeriesLink)
ORDER BY SortKey;
