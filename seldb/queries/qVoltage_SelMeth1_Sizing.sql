-- Voltages of a current on the parts of the calculated-size method. Its caller sends the port
-- size and minimum differential of the catalog-data method instead of the calculated flow
-- factor and temperature; in this method neither was entered (the port list is hidden and
-- the minimum differential is left from the other method), so they restrict nothing here.
-- The differential given must still open the valve and be within its rating.
WITH NotUsedBySizing AS (SELECT :parConSizeLink AS PortSize, :parMinOPDValue AS MinOPD)
SELECT DISTINCT vo.VoltLinkText, v.VoltLink, vo.VoltOrder
FROM PartView v
JOIN Voltage vo ON vo.VoltLink = v.VoltLink
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
    AND v.MinOPD <= :parMOPDValue + 1e-6 * (1 + abs(:parMOPDValue))
    AND CASE :parFluidStateLink WHEN 'LIQ' THEN v.MOPD_LIQ WHEN 'OIL' THEN v.MOPD_OIL
                                ELSE v.MOPD_GAS END
        >= :parMOPDValue - 1e-6 * (1 + abs(:parMOPDValue))
    AND (:parChkBx_MIP = 0 OR v.MaxInPress >= :parMIPValue - 1e-6 * (1 + abs(:parMIPValue)))
    AND v.AcDcLink = :parAcDcLink
ORDER BY vo.VoltOrder;
