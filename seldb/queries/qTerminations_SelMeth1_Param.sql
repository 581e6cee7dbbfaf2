-- Coil terminations for the coil chosen so far, on the parts that meet the catalog data entered (known operating parameters).
SELECT DISTINCT t.TermLink, t.TermLinkText, t.TermStaticText, t.TermPic, t.TermOrder
FROM PartView v
JOIN Termination t ON t.TermLink = v.TermLink
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
-- @include known_op
    AND v.OpEnvLink = :parOpEnvLink
    AND v.AcDcLink = :parAcDcLink
    AND v.VoltLink = :parVoltLink
    AND v.SolConstLink = :parSolConstLink
ORDER BY t.TermOrder;
