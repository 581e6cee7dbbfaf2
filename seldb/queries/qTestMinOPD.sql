-- Lowest minimum operating pressure differential (psi) among the valves of the valve type
-- and application that can take the fluid; no row when there is no such valve.
SELECT MIN(v.MinOPD) AS MinOPDValue
FROM Valve v
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit_optional
HAVING COUNT(*) > 0;
