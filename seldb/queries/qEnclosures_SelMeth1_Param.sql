-- Coil enclosures for the coil chosen so far, on the parts that meet the catalog data entered (known operating parameters).
SELECT DISTINCT n.EncloseLink, n.EncloseLinkText, n.EncloseStaticText, n.EnclosePic, n.EncloseOrder
FROM PartView v
JOIN Enclosure n ON n.EncloseLink = v.EncloseLink
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
    AND v.TermLink = :parTermLink
ORDER BY n.EncloseOrder;
