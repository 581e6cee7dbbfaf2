-- The valves of qValves_Pass_Known_Op_Param for the verification list.
SELECT v.ValveNumberLink, v.SufxLink, v.SufxLink AS SufxCode, '' AS PressureDrop
FROM Valve v
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
-- @include known_op
ORDER BY v.ValveId;
