-- What rapid selection can build for a series: "ValveAssembly", "Valve", "Solenoid".
SELECT PNType, ImageName
FROM RapidSeriesType
WHERE DesignSeriesLink = :parDesignSeriesLink
ORDER BY CASE PNType WHEN 'ValveAssembly' THEN 1 WHEN 'Valve' THEN 2 ELSE 3 END;
