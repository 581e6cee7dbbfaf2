    -- Valve size information: each limit counts only when its box is ticked.
    AND (:parChkBx_MIP = 0 OR v.MaxInPress >= :parMIPValue - 1e-6 * (1 + abs(:parMIPValue)))
    AND (:parChkBx_VolFlow = 0 OR v.VolFlowMax >= :parVolFlowValue * (1 - 1e-6))
    AND (:parChkBx_ControlSig = 0 OR p.ControlSigLink = :parControlSigLink)
    AND (:parChkBx_FloFacValue = 0 OR v.Cv >= :parFloFacValue * (1 - 1e-6))
