-- Candidate part numbers: calculated valve size, with the coil chosen in the solenoid step.
-- @include list_fields
       CASE :parFluidStateLink WHEN 'LIQ' THEN v.MOPD_LIQ WHEN 'OIL' THEN v.MOPD_OIL
            ELSE v.MOPD_GAS END AS MOPD
-- @include list_joins
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
-- @include valve_size
-- @include fluid_category
-- @include solenoid_choice
-- @include filters
    AND (:parApprovLink = 'ALL' OR v.ApprovLink = :parApprovLink)
    AND (:parCoilClsLink = 'ALL' OR v.CoilClsLink = :parCoilClsLink)
ORDER BY v.PNId;
