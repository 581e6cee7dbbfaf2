-- Competitors of the interchange.
SELECT CompttrLink, CompttrText
FROM Competitor
ORDER BY CompttrOrder;
