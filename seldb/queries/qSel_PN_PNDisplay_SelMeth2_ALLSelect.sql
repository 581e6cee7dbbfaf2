-- Filter options of qSel_PN_PNDisplay_SelMeth2: every combination of the options its
-- candidates offer.
-- @include pn_option_fields
-- @include pn_option_groups
      WHERE
      -- @include valve_type
      -- @include app_series
      -- @include pn_method2
      -- @include fluid_category
     ) o
-- @include pn_option_joins
