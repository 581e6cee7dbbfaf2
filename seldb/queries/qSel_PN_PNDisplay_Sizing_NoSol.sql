-- Candidate part numbers: calculated valve size, coil left open (non-standard voltage).
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
-- @include filters
ORDER BY v.PNId;
