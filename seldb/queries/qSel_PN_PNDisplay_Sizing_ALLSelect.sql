-- Filter options of qSel_PN_PNDisplay_Sizing: every combination of the options its candidates offer.
-- @include pn_option_fields
-- @include pn_option_parts
      WHERE
      -- @include valve_type
      -- @include app_series
      -- @include app_category
      -- @include pn_fluid_fit
      -- @include pn_valve_size
      -- @include fluid_category
      -- @include pn_solenoid_choice
     ) o
-- @include pn_option_joins
