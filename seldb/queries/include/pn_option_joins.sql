LEFT JOIN BodyMaterial bm ON bm.BMaterialLink = o.BMaterialLink
LEFT JOIN Seal sl ON sl.SMaterialLink = o.SMaterialLink
LEFT JOIN ConnectionType ct ON ct.ConTypeLink = o.ConTypeLink
LEFT JOIN Actuation act ON act.ActLink = o.ActLink
LEFT JOIN CoilClass cc ON cc.CoilClsLink = o.CoilClsLink
LEFT JOIN Approval ap ON ap.ApprovLink = o.ApprovLink
LEFT JOIN ControlSignal cs ON cs.ControlSigLink = o.ControlSigLink
ORDER BY bm.BMaterialOrder, sl.SMaterialOrder, ct.ConTypeOrder, act.ActOrder, cc.CoilClsOrder,
         ap.ApprovOrder, cs.ControlSigOrder;
