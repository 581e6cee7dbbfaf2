-- The part that replaces a competitor part in a product line at a voltage. A line without
-- coils answers with the valve alone, whatever the voltage code (it gets "NA").
SELECT i.NoteText,
       CASE WHEN i.CoilBase = '' THEN v.ValveNumberLink || v.SufxLink ELSE p.CompletePN END
           AS CompleteVeldorPN,
       CASE WHEN i.CoilBase = '' THEN vd.Description
            ELSE printf((SELECT Text FROM QueryText WHERE TextKey = 'WithCoil'),
                        vd.Description, cd.Description)
       END AS DescriptionText
FROM Interchange i
JOIN Valve v ON v.ValveNumberLink = i.ValveNumberLink AND v.SufxLink = i.SufxLink
JOIN ValveDescription vd ON vd.ValveId = v.ValveId
LEFT JOIN PartNumber p ON p.ValveId = v.ValveId
    AND p.CoilId IN (SELECT c.CoilId FROM Coil c
                     WHERE c.CoilBase = i.CoilBase AND c.VoltLink = :parVoltCode)
LEFT JOIN CoilDescription cd ON cd.CoilId = p.CoilId
WHERE i.CompttrLink = :parCompttrLink
  AND i.CompttrPrefixLink = :parCompttrPrefixLink
  AND i.CompttrPN = :parCompttrPN
  AND i.CompttrSuffixLink = :parCompttrSuffixLink
  AND i.ProductLinkIndiv = :parProductLinkIndiv
  AND (i.CoilBase = '' OR p.PNId IS NOT NULL)
ORDER BY p.PNId;
