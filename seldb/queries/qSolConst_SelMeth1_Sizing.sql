-- Solenoid constructions for the environment, current and voltage chosen, on the parts that
-- meet the calculated valve size.
SELECT DISTINCT c.SolConstLinkText, c.SolConstLink, c.SolConstStaticText, c.SolConstOrder
FROM PartView v
JOIN SolConstruction c ON c.SolConstLink = v.SolConstLink
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
-- @include valve_size
    AND v.OpEnvLink = :parOpEnvLink
    AND v.AcDcLink = :parAcDcLink
    AND v.VoltLink = :parVoltLink
ORDER BY c.SolConstOrder;
