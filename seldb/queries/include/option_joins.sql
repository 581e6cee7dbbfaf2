FROM PartView v
LEFT JOIN BodyMaterial bm ON bm.BMaterialLink = v.BMaterialLink
LEFT JOIN Seal sl ON sl.SMaterialLink = v.SMaterialLink
LEFT JOIN ConnectionType ct ON ct.ConTypeLink = v.ConTypeLink
LEFT JOIN Actuation act ON act.ActLink = v.ActLink
LEFT JOIN CoilClass cc ON cc.CoilClsLink = v.CoilClsLink
LEFT JOIN Approval ap ON ap.ApprovLink = v.ApprovLink
LEFT JOIN ControlSignal cs ON cs.ControlSigLink = v.ControlSigLink
