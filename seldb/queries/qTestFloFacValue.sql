-- Largest flow factor (Cv) among the valves of a valve size application; no row when none.
SELECT MAX(v.Cv) AS FloFacValue
FROM Valve v
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
HAVING COUNT(*) > 0;
