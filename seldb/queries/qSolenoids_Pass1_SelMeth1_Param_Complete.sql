-- Voltages of the coils on the parts that meet the catalog data entered (known operating parameters).
SELECT DISTINCT v.AcDcLink, vo.VoltOrder, v.VoltLink, vo.VoltLinkText, vo.VoltDefault
FROM PartView v
JOIN Voltage vo ON vo.VoltLink = v.VoltLink
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
-- @include known_op
ORDER BY v.AcDcLink, vo.VoltOrder;
