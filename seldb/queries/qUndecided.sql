-- The filter option that restricts nothing.
SELECT UndecidedLink, UndecidedText
FROM Undecided;
