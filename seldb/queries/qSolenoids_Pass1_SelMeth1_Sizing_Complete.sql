-- Voltages of the coils on the parts that meet the calculated valve size.
SELECT DISTINCT v.AcDcLink, vo.VoltOrder, v.VoltLink, vo.VoltLinkText, vo.VoltDefault
FROM PartView v
JOIN Voltage vo ON vo.VoltLink = v.VoltLink
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
-- @include valve_size
ORDER BY v.AcDcLink, vo.VoltOrder;
