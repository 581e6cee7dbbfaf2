SELECT o.BMaterialLink AS BMaterialLink2, bm.BMaterialLinkText AS BMaterialLink2Text,
       bm.BMaterialOrder AS BMaterialLinkOrder,
       o.SMaterialLink AS SMaterialLink, sl.SMaterialLinkText AS SMaterialLinkText,
       sl.SMaterialOrder AS SMaterialLinkOrder,
       o.ConTypeLink AS ConTypeLink, ct.ConTypeLinkText AS ConTypeLinkText,
       ct.ConTypeOrder AS ConTypeLinkOrder,
       o.ActLink AS ActLink, act.ActLinkText AS ActLinkText, act.ActOrder AS ActLinkOrder,
       o.CoilClsLink AS CoilClsLink, cc.CoilClsLinkText AS CoilClsLinkText,
       cc.CoilClsOrder AS CoilClsLinkOrder,
       o.ApprovLink AS ApprovLink, ap.ApprovLinkText AS ApprovLinkText,
       ap.ApprovOrder AS ApprovLinkOrder,
       o.ControlSigLink AS ControlSigLink2, cs.ControlSigText AS ControlSigLink2Text,
       cs.ControlSigOrder AS ControlSigOrder
-- Every combination of options the candidates offer, found on the links alone; the texts
-- and orders are looked up for the few combinations only.
FROM (SELECT DISTINCT v.BMaterialLink, v.SMaterialLink, v.ConTypeLink, v.ActLink,
                      p.CoilClsLink, p.ApprovLink, p.ControlSigLink
