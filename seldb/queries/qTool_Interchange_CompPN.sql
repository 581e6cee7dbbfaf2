-- Part numbers of a competitor; the complete number is prefix, number and suffix.
SELECT CompttrPrefixLink, CompttrPrefix, CompttrPN, CompttrSuffix, CompttrSuffixLink,
       CompttrPrefix || CompttrPN || CompttrSuffix AS CompleteCompttrPN
FROM CompetitorPN
WHERE CompttrLink = :parCompttrLink
ORDER BY CompleteCompttrPN;
