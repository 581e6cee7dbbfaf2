-- Valves that meet the catalog data entered (known operating parameters).
SELECT v.ValveNumberLink, v.SufxLink, v.SufxLink AS SufxCode, '' AS PressureDrop
FROM Valve v
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
-- @include known_op
ORDER BY v.ValveId;
