-- Valves that reach the calculated flow factor at the fluid temperature and differential.
SELECT v.ValveNumberLink, v.SufxLink, v.SufxLink AS SufxCode, v.Cv
FROM Valve v
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
-- @include valve_size
ORDER BY v.ValveId;
