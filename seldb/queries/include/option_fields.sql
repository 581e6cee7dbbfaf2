SELECT DISTINCT
       v.BMaterialLink AS BMaterialLink2, bm.BMaterialLinkText AS BMaterialLink2Text,
       bm.BMaterialOrder AS BMaterialLinkOrder,
       v.SMaterialLink AS SMaterialLink, sl.SMaterialLinkText AS SMaterialLinkText,
       sl.SMaterialOrder AS SMaterialLinkOrder,
       v.ConTypeLink AS ConTypeLink, ct.ConTypeLinkText AS ConTypeLinkText,
       ct.ConTypeOrder AS ConTypeLinkOrder,
       v.ActLink AS ActLink, act.ActLinkText AS ActLinkText, act.ActOrder AS ActLinkOrder,
       v.CoilClsLink AS CoilClsLink, cc.CoilClsLinkText AS CoilClsLinkText,
       cc.CoilClsOrder AS CoilClsLinkOrder,
       v.ApprovLink AS ApprovLink, ap.ApprovLinkText AS ApprovLinkText,
       ap.ApprovOrder AS ApprovLinkOrder,
       v.ControlSigLink AS ControlSigLink2, cs.ControlSigText AS ControlSigLink2Text,
       cs.ControlSigOrder AS ControlSigOrder
