    -- Calculated size: the valve reaches the flow factor calculated, the fluid temperature is
    -- within the part's limits, and the pressure differential both opens the valve and is
    -- within the part's rating. Values arrive as 32-bit floats, so a limit equal to the value
    -- is allowed a millionth.
    AND v.Cv >= :parCalcCv * (1 - 1e-6)
    AND p.MaxFluidTemp >= :parMxOpFldTemp - 1e-6 * (1 + abs(:parMxOpFldTemp))
    AND v.MinFluidTemp <= :parMxOpFldTemp + 1e-6 * (1 + abs(:parMxOpFldTemp))
    AND v.MinOPD <= :parMOPDValue + 1e-6 * (1 + abs(:parMOPDValue))
    AND CASE :parFluidStateLink WHEN 'LIQ' THEN p.MOPD_LIQ WHEN 'OIL' THEN p.MOPD_OIL
                                ELSE p.MOPD_GAS END
        >= :parMOPDValue - 1e-6 * (1 + abs(:parMOPDValue))
    AND (:parChkBx_MIP = 0 OR v.MaxInPress >= :parMIPValue - 1e-6 * (1 + abs(:parMIPValue)))
