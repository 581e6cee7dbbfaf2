    -- The coil chosen in the solenoid step; "ALL" leaves a choice open.
    AND (:parOpEnvLink = 'ALL' OR v.OpEnvLink = :parOpEnvLink)
    AND (:parAcDcLink = 'ALL' OR v.AcDcLink = :parAcDcLink)
    AND (:parVoltLink = 'ALL' OR v.VoltLink = :parVoltLink)
    AND (:parSolConstLink = 'ALL' OR v.SolConstLink = :parSolConstLink)
    AND (:parTermLink = 'ALL' OR v.TermLink = :parTermLink)
    AND (:parEncloseLink IN ('ALL', 'NA') OR v.EncloseLink = :parEncloseLink)
