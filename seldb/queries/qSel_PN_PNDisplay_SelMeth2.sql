-- Candidate part numbers: valve size information (proportional valves); the solenoid step
-- is skipped, the control input signal is the tenth filter.
-- @include pn_list_fields
       MAX(p.MOPD_GAS, p.MOPD_LIQ, p.MOPD_OIL) AS MOPD
-- @include pn_list_joins
WHERE
-- @include valve_type
-- @include app_series
-- @include pn_method2
-- @include fluid_category
-- @include pn_filters
    AND (:parControlSigLink2 = 'ALL' OR p.ControlSigLink = :parControlSigLink2)
-- @include pn_order
