    -- The coil chosen in the solenoid step; "ALL" leaves a choice open.
    AND (:parOpEnvLink = 'ALL' OR p.OpEnvLink = :parOpEnvLink)
    AND (:parAcDcLink = 'ALL' OR p.AcDcLink = :parAcDcLink)
    AND (:parVoltLink = 'ALL' OR p.VoltLink = :parVoltLink)
    AND (:parSolConstLink = 'ALL' OR p.SolConstLink = :parSolConstLink)
    AND (:parTermLink = 'ALL' OR p.TermLink = :parTermLink)
    AND (:parEncloseLink IN ('ALL', 'NA') OR p.EncloseLink = :parEncloseLink)
