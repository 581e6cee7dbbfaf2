-- Consistency of the catalogue, run after the generated tables are built. Each statement
-- returns one text per fault; mkseldb stops at the first and prints it.

SELECT 'series ' || SeriesLink || ' offers option ' || FloPatOptLink
       || ', which its flow pattern does not have'
FROM SeriesOption so
WHERE NOT EXISTS (SELECT 1 FROM Series s JOIN FlowPatternOption o ON o.FloPatLink = s.FloPatLink
                  WHERE s.SeriesLink = so.SeriesLink AND o.FloPatOptLink = so.FloPatOptLink);

SELECT 'series ' || SeriesLink || ' yields no valve'
FROM Series s WHERE NOT EXISTS (SELECT 1 FROM Valve v WHERE v.SeriesLink = s.SeriesLink);

SELECT 'valve ' || ValveNumberLink || SufxLink || ' has no coil'
FROM Valve v WHERE NOT EXISTS (SELECT 1 FROM PartNumber p WHERE p.ValveId = v.ValveId);

SELECT 'function type ' || FuncLink || ' has no flow pattern'
FROM FunctionType f WHERE NOT EXISTS (SELECT 1 FROM FlowPattern p WHERE p.FuncLink = f.FuncLink);

SELECT 'flow pattern ' || FloPatLink || ' has no option row'
FROM FlowPattern p WHERE NOT EXISTS (SELECT 1 FROM FlowPatternOption o WHERE o.FloPatLink = p.FloPatLink);

SELECT 'option ' || FloPatLink || '/' || FloPatOptLink || ' has no valve'
FROM FlowPatternOption o
WHERE NOT EXISTS (SELECT 1 FROM Valve v WHERE v.FloPatLink = o.FloPatLink AND v.FloPatOptLink = o.FloPatOptLink);

SELECT 'application ' || AppTypeLink || ' has no valve'
FROM Application a
WHERE NOT EXISTS (SELECT 1 FROM AppSeries s JOIN Valve v ON v.SeriesLink = s.SeriesLink
                  WHERE s.AppTypeLink = a.AppTypeLink);

SELECT 'application ' || AppTypeLink || ' has selection method ' || SelMethodCode
FROM Application WHERE SelMethodCode NOT IN (1, 2);

SELECT 'fluid state ' || FluidStateLink || ' needs exactly one default fluid and one other medium'
FROM FluidState s
WHERE (SELECT COUNT(*) FROM Fluid f WHERE f.FluidStateLink = s.FluidStateLink AND f.CategoryDefault = 1 AND f.OtherMedia = 0) <> 1
   OR (SELECT COUNT(*) FROM Fluid f WHERE f.FluidStateLink = s.FluidStateLink AND f.OtherMedia = 1) <> 1;

SELECT 'current ' || AcDcLink || ' needs exactly one default voltage'
FROM CurrentType c
WHERE (SELECT COUNT(*) FROM Voltage v WHERE v.AcDcLink = c.AcDcLink AND v.VoltDefault = 1) <> 1;

SELECT 'picture ' || Name || ' is not stored'
FROM (SELECT FloPatPic AS Name FROM FlowPattern
      UNION SELECT TermPic FROM Termination
      UNION SELECT EnclosePic FROM Enclosure WHERE EnclosePic <> ''
      UNION SELECT ImageName FROM RapidSeriesType)
WHERE Name NOT IN (SELECT ImageName FROM Images);

SELECT 'rapid series ' || DesignSeriesLink || ' is not a valve series'
FROM RapidSeries WHERE DesignSeriesLink NOT IN (SELECT SeriesLink FROM Series);

SELECT 'rapid segment ' || PNType || '/' || RapSelFieldNum || ' has no query'
FROM RapidField WHERE FieldDisplayState <> '0' AND Query = '';

SELECT 'interchange ' || CompttrLink || ' ' || CompttrPN || ' names no valve ' || ValveNumberLink || SufxLink
FROM Interchange i
WHERE NOT EXISTS (SELECT 1 FROM Valve v WHERE v.ValveNumberLink = i.ValveNumberLink AND v.SufxLink = i.SufxLink);

SELECT 'interchange ' || CompttrLink || ' ' || CompttrPN || ' names coil ' || CoilBase || ', which does not fit'
FROM Interchange i
WHERE i.CoilBase <> ''
  AND NOT EXISTS (SELECT 1 FROM Valve v JOIN PartNumber p ON p.ValveId = v.ValveId
                  JOIN Coil c ON c.CoilId = p.CoilId
                  WHERE v.ValveNumberLink = i.ValveNumberLink AND v.SufxLink = i.SufxLink
                    AND c.CoilBase = i.CoilBase);

SELECT 'undecided filter option must be ALL, not ' || UndecidedLink
FROM Undecided WHERE UndecidedLink <> 'ALL';

SELECT 'part number ' || CompletePN || ' is made twice'
FROM PartNumber GROUP BY CompletePN HAVING COUNT(*) > 1;

SELECT 'the part numbers of valve ' || ValveNumberLink || SufxLink || ' are not one run'
FROM Valve v
WHERE v.LastPNId - v.FirstPNId + 1 <> (SELECT COUNT(*) FROM PartNumber p WHERE p.ValveId = v.ValveId);

SELECT 'the part numbers of valve ' || ValveNumberLink || SufxLink || ' come before those of the valve listed before it'
FROM (SELECT ValveNumberLink, SufxLink, FirstPNId,
             LAG(LastPNId) OVER (ORDER BY ValveId) AS PreviousLast
      FROM Valve)
WHERE FirstPNId <= PreviousLast;

SELECT 'part number ' || p.CompletePN || ' has no list row'
FROM PartNumber p WHERE NOT EXISTS (SELECT 1 FROM PartListRow r WHERE r.PNId = p.PNId);

SELECT 'coil class ' || g.CoilClsLink || ' gives valve ' || g.ValveId || ' two temperature limits'
FROM PartOptionGroup g
WHERE EXISTS (SELECT 1 FROM PartNumber p JOIN PartListRow r ON r.PNId = p.PNId
              WHERE p.ValveId = g.ValveId AND r.CoilClsLink = g.CoilClsLink
                AND r.MaxFluidTemp <> g.MaxFluidTemp);
