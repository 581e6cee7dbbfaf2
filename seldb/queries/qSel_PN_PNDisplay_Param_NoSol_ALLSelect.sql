-- Filter options of qSel_PN_PNDisplay_Param_NoSol: every combination of the options its candidates offer.
-- @include pn_option_fields
-- @include pn_option_groups
      WHERE
      -- @include valve_type
      -- @include app_series
      -- @include app_category
      -- @include pn_fluid_fit
      -- @include pn_known_op
      -- @include fluid_category
     ) o
-- @include pn_option_joins
