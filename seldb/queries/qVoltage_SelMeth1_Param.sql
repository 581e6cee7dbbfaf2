-- Voltages of a current on the parts that meet the catalog data entered.
SELECT DISTINCT vo.VoltLinkText, v.VoltLink, vo.VoltOrder
FROM PartView v
JOIN Voltage vo ON vo.VoltLink = v.VoltLink
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
-- @include known_op
    AND v.AcDcLink = :parAcDcLink
ORDER BY vo.VoltOrder;
