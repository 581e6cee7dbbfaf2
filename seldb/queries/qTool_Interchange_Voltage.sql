-- Voltages of the replacing valve's coil in a product line; none for a line without coils.
SELECT DISTINCT c.VoltLink AS VoltCode, vo.VoltText, vo.VoltDefault, vo.VoltOrder
FROM Interchange i
JOIN Valve v ON v.ValveNumberLink = i.ValveNumberLink AND v.SufxLink = i.SufxLink
JOIN PartNumber p ON p.ValveId = v.ValveId
JOIN Coil c ON c.CoilId = p.CoilId AND c.CoilBase = i.CoilBase
JOIN VoltageWithCurrent vo ON vo.VoltLink = c.VoltLink
WHERE i.CompttrLink = :parCompttrLink
  AND i.CompttrPrefixLink = :parCompttrPrefixLink
  AND i.CompttrPN = :parCompttrPN
  AND i.CompttrSuffixLink = :parCompttrSuffixLink
  AND i.ProductLinkIndiv = :parProductLinkIndiv
ORDER BY vo.VoltOrder;
