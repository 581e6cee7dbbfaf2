-- Highest maximum inlet pressure (psig) among the valves of the valve type and application
-- (that can take the fluid, when one is given); no row when there is no such valve.
SELECT MAX(v.MaxInPress) AS MIPValue
FROM Valve v
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit_optional
HAVING COUNT(*) > 0;
