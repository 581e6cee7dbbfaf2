-- Filter options of qSel_PN_PNDisplay_Sizing_NoSol: every combination of the options its candidates offer.
-- @include pn_option_fields
-- @include pn_option_groups
      WHERE
      -- @include valve_type
      -- @include app_series
      -- @include app_category
      -- @include pn_fluid_fit
      -- @include pn_valve_size
      -- @include fluid_category
     ) o
-- @include pn_option_joins
