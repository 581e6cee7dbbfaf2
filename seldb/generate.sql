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
    MOPD_GAS, MOPD_LIQ, MOPD_OIL, MinFluidTemp, MatMaxTemp, MaxFluidTemp)
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
       MIN(bm.MaxTemp_F, sl.MaxTemp_F, fam.BestClassTemp)
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
