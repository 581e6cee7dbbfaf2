-- Valves (valve number and suffix) of a valve size application that meet every limit ticked.
SELECT v.ValveNumberLink, v.SufxLink, v.SufxLink AS SufxCode, '' AS PressureDrop
FROM PartView v
WHERE
-- @include valve_type
-- @include app_series
-- @include method2
GROUP BY v.ValveId
ORDER BY v.ValveId;
