-- Rapid selection, complete valve, segment 80 (coil power): coils of the parts of the valve chosen.
SELECT DISTINCT c.PowerClass AS Code080, printf((SELECT Text FROM QueryText WHERE TextKey = 'CoilPower'), COALESCE(pa.WattageText, '-'), COALESCE(pd.WattageText, '-')) AS Text080, c.PowerClass AS SortKey
FROM PartView v
JOIN Coil c ON c.CoilId = v.CoilId
LEFT JOIN CoilPower pa ON pa.CoilFamily = c.CoilFamily AND pa.PowerClass = c.PowerClass AND pa.AcDcLink = 'AC'
LEFT JOIN CoilPower pd ON pd.CoilFamily = c.CoilFamily AND pd.PowerClass = c.PowerClass AND pd.AcDcLink = 'DC'
WHERE v.SeriesLink = :parDesignSeriesLink
  AND v.BodyCode = :parCode020
  AND v.ConTypeCode = :parCode030
  AND v.ConSizeLink = :parCode040
  AND v.OrificeLink = :parCode050
  AND v.SealCode = :parCode060
  AND v.OptionCode = :parCode070
ORDER BY SortKey;
