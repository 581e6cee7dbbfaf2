-- Builds the orderable valves, the coils and the part numbers from the catalogue tables.
-- Part numbers read: valve number (series, body, connection, port, orifice), suffix (seal,
-- option), "-", coil (power class, coil class, housing, termination), "-", voltage, and for
-- proportional coils "-" and the control signal, e.g. K21BN08040V-MF4L-120A6.

INSERT INTO Valve (
    ValveNumberLink, SufxLink, SeriesLink, FuncLink, FloPatLink, FloPatOptLink, ActLink,
    BMaterialLink, SMaterialLink, ConTypeLink, ConSizeLink, OrificeLink,
    BodyCode, ConTypeCode, SealCode, OptionCode, CoilFamily, PowerClass,
    Cv, MinOPD, MaxInPress, VolFlowMax,
    MOPD_GAS_AC, MOPD_LIQ_AC, MOPD_OIL_AC, MOPD_GAS_DC, MOPD_LIQ_DC, MOPD_OIL_DC,
    MOPD_GAS, MOPD_LIQ, MOPD_OIL, MinFluidTemp, MatMaxTemp, MaxFluidTemp, MinOPDText,
    ConSizeLinkText, BMaterialLinkText, SMaterialLinkText, ConTypeLinkText, ActLinkText,
    OrificeLinkText)
SELECT se.SeriesLink || bm.PNCode || ct.PNCode || ss.ConSizeLink || ss.OrificeLink,
       sl.PNCode || fo.PNCode,
       se.SeriesLink, se.FuncLink, se.FloPatLink, so.FloPatOptLink, se.ActLink,
       bm.BMaterialLink, sl.SMaterialLink, ct.ConTypeLink, ss.ConSizeLink, ss.OrificeLink,
       bm.PNCode, ct.PNCode, sl.PNCode, fo.PNCode, se.CoilFamily, ss.PowerClass,
       ss.Cv, COALESCE(so.MinOPD, ss.MinOPD), ss.MaxInPress, ss.VolFlowMax,
       ss.MOPD_GAS_AC, ss.MOPD_LIQ_AC, ss.MOPD_OIL_AC,
       ss.MOPD_GAS_DC, ss.MOPD_LIQ_DC, ss.MOPD_OIL_DC,
       MAX(fam.HasAC * ss.MOPD_GAS_AC, fam.HasDC * ss.MOPD_GAS_DC),
       MAX(fam.HasAC * ss.MOPD_LIQ_AC, fam.HasDC * ss.MOPD_LIQ_DC),
       MAX(fam.HasAC * ss.MOPD_OIL_AC, fam.HasDC * ss.MOPD_OIL_DC),
       MAX(bm.MinTemp_F, sl.MinTemp_F),
       MIN(bm.MaxTemp_F, sl.MaxTemp_F),
       MIN(bm.MaxTemp_F, sl.MaxTemp_F, fam.BestClassTemp),
       printf('%g', COALESCE(so.MinOPD, ss.MinOPD)),
       ps.ConSizeLinkText, bm.BMaterialLinkText, sl.SMaterialLinkText, ct.ConTypeLinkText,
       act.ActLinkText, ori.OrificeLinkText
FROM Series se
JOIN SeriesSize ss ON ss.SeriesLink = se.SeriesLink
JOIN PortSize ps ON ps.ConSizeLink = ss.ConSizeLink
JOIN SeriesBody sb ON sb.SeriesLink = se.SeriesLink AND ps.ConSizeOrder <= sb.MaxConSizeOrder
JOIN BodyMaterial bm ON bm.BMaterialLink = sb.BMaterialLink
JOIN SeriesConType sc ON sc.SeriesLink = se.SeriesLink
JOIN ConnectionType ct ON ct.ConTypeLink = sc.ConTypeLink
JOIN SeriesSeal ssl ON ssl.SeriesLink = se.SeriesLink
JOIN Seal sl ON sl.SMaterialLink = ssl.SMaterialLink
JOIN SeriesOption so ON so.SeriesLink = se.SeriesLink
JOIN FlowPatternOption fo ON fo.FloPatLink = se.FloPatLink AND fo.FloPatOptLink = so.FloPatOptLink
JOIN Actuation act ON act.ActLink = se.ActLink
JOIN Orifice ori ON ori.OrificeLink = ss.OrificeLink
JOIN (SELECT f.CoilFamily,
             EXISTS (SELECT 1 FROM FamilyVoltage fv JOIN Voltage v ON v.VoltLink = fv.VoltLink
                     WHERE fv.CoilFamily = f.CoilFamily AND v.AcDcLink = 'AC') AS HasAC,
             EXISTS (SELECT 1 FROM FamilyVoltage fv JOIN Voltage v ON v.VoltLink = fv.VoltLink
                     WHERE fv.CoilFamily = f.CoilFamily AND v.AcDcLink = 'DC') AS HasDC,
             (SELECT MAX(cc.MaxFluidTemp_F) FROM FamilyClass fc
              JOIN CoilClass cc ON cc.CoilClsLink = fc.CoilClsLink
              WHERE fc.CoilFamily = f.CoilFamily) AS BestClassTemp
      FROM CoilFamily f) fam ON fam.CoilFamily = se.CoilFamily
ORDER BY se.SeriesOrder, ps.ConSizeOrder, ss.OrificeLink, bm.BMaterialOrder, ct.ConTypeOrder,
         sl.SMaterialOrder, fo.OptOrder;

INSERT INTO Coil (
    CoilFamily, PowerClass, CoilBase, CoilLink, AcDcLink, VoltLink, CoilClsLink, ClassCode,
    HousingCode, TermCode, SolConstLink, TermLink, EncloseLink, OpEnvLink, ApprovLink,
    ControlSigLink, WattageText, MaxFluidTemp)
SELECT cp.CoilFamily, cp.PowerClass,
       cp.PowerClass || cc.PNCode || h.HousingCode || t.PNCode,
       cp.PowerClass || cc.PNCode || h.HousingCode || t.PNCode || '-' || vo.VoltLink
           || CASE WHEN cs.PNCode = '' THEN '' ELSE '-' || cs.PNCode END,
       vo.AcDcLink, vo.VoltLink, cc.CoilClsLink, cc.PNCode,
       h.HousingCode, t.PNCode, h.SolConstLink, t.TermLink, h.EncloseLink, h.OpEnvLink,
       fh.ApprovLink, cs.ControlSigLink, cp.WattageText, cc.MaxFluidTemp_F
FROM CoilPower cp
JOIN FamilyVoltage fv ON fv.CoilFamily = cp.CoilFamily
JOIN Voltage vo ON vo.VoltLink = fv.VoltLink AND vo.AcDcLink = cp.AcDcLink
JOIN FamilyClass fc ON fc.CoilFamily = cp.CoilFamily
JOIN CoilClass cc ON cc.CoilClsLink = fc.CoilClsLink
JOIN FamilyHousing fh ON fh.CoilFamily = cp.CoilFamily
JOIN CoilHousing h ON h.HousingCode = fh.HousingCode
JOIN HousingTermination ht ON ht.HousingCode = h.HousingCode
JOIN Termination t ON t.TermLink = ht.TermLink
JOIN FamilyControlSig fs ON fs.CoilFamily = cp.CoilFamily
JOIN ControlSignal cs ON cs.ControlSigLink = fs.ControlSigLink
ORDER BY cp.CoilFamily, cp.PowerClass, vo.VoltOrder, cc.CoilClsOrder, h.HousingCode,
         t.TermOrder, cs.ControlSigOrder;

-- A coil fits a valve of its family and power class, on a current the valve is rated for.
INSERT INTO PartNumber (ValveId, CoilId, CompletePN)
SELECT v.ValveId, c.CoilId, v.ValveNumberLink || v.SufxLink || '-' || c.CoilLink
FROM Valve v
JOIN Coil c ON c.CoilFamily = v.CoilFamily AND c.PowerClass = v.PowerClass
WHERE (c.AcDcLink = 'AC' AND MAX(v.MOPD_GAS_AC, v.MOPD_LIQ_AC, v.MOPD_OIL_AC) > 0)
   OR (c.AcDcLink = 'DC' AND MAX(v.MOPD_GAS_DC, v.MOPD_LIQ_DC, v.MOPD_OIL_DC) > 0)
ORDER BY v.ValveId, c.CoilId;

-- Part numbers are numbered valve by valve, so each valve's are one run of PNId.
UPDATE Valve
SET (FirstPNId, LastPNId) = (SELECT MIN(p.PNId), MAX(p.PNId) FROM PartNumber p
                             WHERE p.ValveId = Valve.ValveId);

INSERT INTO PartListRow (
    PNId, CompletePN, AcDcText, WattageText, CoilClsLinkText, ApprovLinkText, ControlSigText,
    MaxFluidTemp, MOPD_GAS, MOPD_LIQ, MOPD_OIL, CoilClsLink, ApprovLink, ControlSigLink,
    OpEnvLink, AcDcLink, VoltLink, SolConstLink, TermLink, EncloseLink)
SELECT p.PNId, p.CompletePN, cur.AcDcText, c.WattageText, cc.CoilClsLinkText, ap.ApprovLinkText,
       CASE WHEN c.ControlSigLink = 'NA' THEN '' ELSE cs.ControlSigText END,
       MIN(v.MatMaxTemp, c.MaxFluidTemp),
       CASE c.AcDcLink WHEN 'DC' THEN v.MOPD_GAS_DC ELSE v.MOPD_GAS_AC END,
       CASE c.AcDcLink WHEN 'DC' THEN v.MOPD_LIQ_DC ELSE v.MOPD_LIQ_AC END,
       CASE c.AcDcLink WHEN 'DC' THEN v.MOPD_OIL_DC ELSE v.MOPD_OIL_AC END,
       c.CoilClsLink, c.ApprovLink, c.ControlSigLink, c.OpEnvLink, c.AcDcLink, c.VoltLink,
       c.SolConstLink, c.TermLink, c.EncloseLink
FROM PartNumber p
JOIN Valve v ON v.ValveId = p.ValveId
JOIN Coil c ON c.CoilId = p.CoilId
JOIN CurrentType cur ON cur.AcDcLink = c.AcDcLink
JOIN CoilClass cc ON cc.CoilClsLink = c.CoilClsLink
JOIN Approval ap ON ap.ApprovLink = c.ApprovLink
JOIN ControlSignal cs ON cs.ControlSigLink = c.ControlSigLink
ORDER BY p.PNId;

INSERT INTO PartOptionGroup (
    ValveId, CoilClsLink, ApprovLink, ControlSigLink, MaxFluidTemp, MOPD_GAS, MOPD_LIQ, MOPD_OIL)
SELECT p.ValveId, r.CoilClsLink, r.ApprovLink, r.ControlSigLink, MAX(r.MaxFluidTemp),
       MAX(r.MOPD_GAS), MAX(r.MOPD_LIQ), MAX(r.MOPD_OIL)
FROM PartNumber p
JOIN PartListRow r ON r.PNId = p.PNId
GROUP BY p.ValveId, r.CoilClsLink, r.ApprovLink, r.ControlSigLink;
