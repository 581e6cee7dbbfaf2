    -- Calculated size: the valve reaches the flow factor calculated, the fluid temperature is
    -- within its limits, and the pressure differential both opens it and is within its rating.
    -- Values arrive as 32-bit floats, so a limit equal to the value is allowed a millionth.
    AND v.Cv >= :parCalcCv * (1 - 1e-6)
    AND v.MaxFluidTemp >= :parMxOpFldTemp - 1e-6 * (1 + abs(:parMxOpFldTemp))
    AND v.MinFluidTemp <= :parMxOpFldTemp + 1e-6 * (1 + abs(:parMxOpFldTemp))
    AND v.MinOPD <= :parMOPDValue + 1e-6 * (1 + abs(:parMOPDValue))
    AND CASE :parFluidStateLink WHEN 'LIQ' THEN v.MOPD_LIQ WHEN 'OIL' THEN v.MOPD_OIL
                                ELSE v.MOPD_GAS END
        >= :parMOPDValue - 1e-6 * (1 + abs(:parMOPDValue))
    AND (:parChkBx_MIP = 0 OR v.MaxInPress >= :parMIPValue - 1e-6 * (1 + abs(:parMIPValue)))
