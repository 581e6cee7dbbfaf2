-- Options of a flow pattern; "NOOPT" is the row of a pattern without option.
SELECT o.FloPatOptLink, o.FloPatOptLinkText
FROM FlowPatternOption o
JOIN FlowPattern p ON p.FloPatLink = o.FloPatLink
WHERE p.FuncLink = :parFuncLink AND o.FloPatLink = :parFloPatLink
ORDER BY o.OptOrder;
