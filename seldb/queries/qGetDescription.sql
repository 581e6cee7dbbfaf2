-- Description of the chosen part: valve type and application.
SELECT printf((SELECT Text FROM QueryText WHERE TextKey = 'AppDescription'),
              f.FuncLinkText, p.FloPatLinkText, a.AppTypeLinkText) AS Description
FROM FunctionType f
JOIN FlowPattern p ON p.FuncLink = f.FuncLink
JOIN Application a ON a.AppTypeLink = :parAppTypeLink AND a.AppCategoryLink = :parAppCategoryLink
WHERE f.FuncLink = :parFuncLink AND p.FloPatLink = :parFloPatLink;
