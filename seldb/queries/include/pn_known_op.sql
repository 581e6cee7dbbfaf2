    -- Catalog data: the port chosen; the valve opens at the least differential given and the
    -- part holds the largest; the inlet pressure counts when it was given. Values arrive as
    -- 32-bit floats, so a limit equal to the value entered is allowed a millionth.
    AND (:parConSizeLink IN ('', 'ALL') OR v.ConSizeLink = :parConSizeLink)
    AND v.MinOPD <= :parMinOPDValue + 1e-6 * (1 + abs(:parMinOPDValue))
    AND CASE :parFluidStateLink WHEN 'LIQ' THEN p.MOPD_LIQ WHEN 'OIL' THEN p.MOPD_OIL
                                ELSE p.MOPD_GAS END
        >= :parMOPDValue - 1e-6 * (1 + abs(:parMOPDValue))
    AND (:parChkBx_MIP = 0 OR v.MaxInPress >= :parMIPValue - 1e-6 * (1 + abs(:parMIPValue)))
