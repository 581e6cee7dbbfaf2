-- Lookups are LEFT JOINs (their rows always exist) so the engine reads them last, after
-- the valves and parts that drive the query.
FROM PartView v
LEFT JOIN FlowFactorKind k ON k.FlowFactorLink = :parFlowFactorLink
LEFT JOIN CurrentType cur ON cur.AcDcLink = v.AcDcLink
LEFT JOIN PortSize ps ON ps.ConSizeLink = v.ConSizeLink
LEFT JOIN BodyMaterial bm ON bm.BMaterialLink = v.BMaterialLink
LEFT JOIN Seal sl ON sl.SMaterialLink = v.SMaterialLink
LEFT JOIN ConnectionType ct ON ct.ConTypeLink = v.ConTypeLink
LEFT JOIN Actuation act ON act.ActLink = v.ActLink
LEFT JOIN CoilClass cc ON cc.CoilClsLink = v.CoilClsLink
LEFT JOIN Approval ap ON ap.ApprovLink = v.ApprovLink
LEFT JOIN ControlSignal cs ON cs.ControlSigLink = v.ControlSigLink
LEFT JOIN Orifice o ON o.OrificeLink = v.OrificeLink
