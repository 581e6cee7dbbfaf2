-- Filter options of qSel_PN_PNDisplay_Param: every combination of the options its candidates offer.
-- @include option_fields
-- @include option_joins
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
-- @include known_op
-- @include fluid_category
-- @include solenoid_choice
ORDER BY bm.BMaterialOrder, sl.SMaterialOrder, ct.ConTypeOrder, act.ActOrder, cc.CoilClsOrder,
         ap.ApprovOrder, cs.ControlSigOrder;
