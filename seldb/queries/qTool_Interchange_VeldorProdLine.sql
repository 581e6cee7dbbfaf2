-- Product lines that replace a competitor part.
SELECT p.ProductLinkIndiv, p.ProductLineText
FROM Interchange i
JOIN ProductLine p ON p.ProductLinkIndiv = i.ProductLinkIndiv
WHERE i.CompttrLink = :parCompttrLink
  AND i.CompttrPrefixLink = :parCompttrPrefixLink
  AND i.CompttrPN = :parCompttrPN
  AND i.CompttrSuffixLink = :parCompttrSuffixLink
ORDER BY p.ProductOrder;
