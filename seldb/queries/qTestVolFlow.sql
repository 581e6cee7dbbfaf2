-- Largest volumetric flow (cc/min) among the valves of a valve size application, in the
-- body material given (ALL: any); no row when none.
SELECT MAX(v.VolFlowMax) AS VolFlowValue
FROM Valve v
WHERE
-- @include valve_type
-- @include app_series
    AND (:parBMaterialLink = 'ALL' OR v.BMaterialLink = :parBMaterialLink)
HAVING COUNT(*) > 0;
