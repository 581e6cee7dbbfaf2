-- Candidate part numbers: valve size information (proportional valves); the solenoid step
-- is skipped, the control input signal is the tenth filter.
-- @include list_fields
       MAX(v.MOPD_GAS, v.MOPD_LIQ, v.MOPD_OIL) AS MOPD
-- @include list_joins
WHERE
-- @include valve_type
-- @include app_series
-- @include method2
-- @include fluid_category
-- @include filters
    AND (:parControlSigLink2 = 'ALL' OR v.ControlSigLink = :parControlSigLink2)
ORDER BY v.PNId;
