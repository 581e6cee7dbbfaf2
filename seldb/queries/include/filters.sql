    -- Filters of the part number list; "ALL" is the undecided option.
    AND (:parBMaterialLink2 = 'ALL' OR v.BMaterialLink = :parBMaterialLink2)
    AND (:parSMaterialLink = 'ALL' OR v.SMaterialLink = :parSMaterialLink)
    AND (:parConTypeLink = 'ALL' OR v.ConTypeLink = :parConTypeLink)
    AND (:parActLink = 'ALL' OR v.ActLink = :parActLink)
    AND v.Cv * k.PerCv >= :parFlowFacValue_Low * (1 - 1e-6)
    AND v.MaxFluidTemp >= :parMaxOperFluidTemp - 1e-6 * (1 + abs(:parMaxOperFluidTemp))
    AND v.MinFluidTemp <= :parMinOperFluidTemp + 1e-6 * (1 + abs(:parMinOperFluidTemp))
    AND v.MaxInPress >= :parMaxInletPressure - 1e-6 * (1 + abs(:parMaxInletPressure))
