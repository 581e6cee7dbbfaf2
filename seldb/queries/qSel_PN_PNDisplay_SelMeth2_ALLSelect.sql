-- Filter options of qSel_PN_PNDisplay_SelMeth2: every combination of the options its
-- candidates offer.
-- @include option_fields
-- @include option_joins
WHERE
-- @include valve_type
-- @include app_series
-- @include method2
-- @include fluid_category
ORDER BY bm.BMaterialOrder, sl.SMaterialOrder, ct.ConTypeOrder, act.ActOrder, cc.CoilClsOrder,
         ap.ApprovOrder, cs.ControlSigOrder;
