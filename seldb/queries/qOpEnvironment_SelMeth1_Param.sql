-- Operating environments of the coils of a current and voltage on the parts that meet the
-- catalog data entered (known operating parameters).
SELECT DISTINCT e.OpEnvLink, e.OpEnvLinkText, e.OpEnvStaticText, e.OpEnvOrder
FROM PartView v
JOIN OpEnvironment e ON e.OpEnvLink = v.OpEnvLink
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
-- @include known_op
    AND v.AcDcLink = :parAcDcLink
    AND v.VoltLink = :parVoltLink
ORDER BY e.OpEnvOrder;
