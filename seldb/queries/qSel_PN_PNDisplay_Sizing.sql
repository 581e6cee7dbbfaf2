-- Candidate part numbers: calculated valve size, with the coil chosen in the solenoid step.
-- @include pn_list_fields
-- @include pn_mopd
-- @include pn_list_joins
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include pn_fluid_fit
-- @include pn_valve_size
-- @include fluid_category
-- @include pn_solenoid_choice
-- @include pn_filters
    AND (:parApprovLink = 'ALL' OR p.ApprovLink = :parApprovLink)
    AND (:parCoilClsLink = 'ALL' OR p.CoilClsLink = :parCoilClsLink)
-- @include pn_order
