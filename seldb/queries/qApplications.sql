-- Applications of a category with valves of the valve type (and body material, unless ALL).
SELECT a.AppTypeLinkText, a.AppTypeLink, a.AppTypeStaticText
FROM Application a
WHERE a.AppCategoryLink = :parAppCategoryLink
  AND EXISTS (SELECT 1 FROM AppSeries s JOIN Valve v ON v.SeriesLink = s.SeriesLink
              WHERE s.AppTypeLink = a.AppTypeLink
                AND v.FuncLink = :parFuncLink
                AND v.FloPatLink = :parFloPatLink
                AND v.FloPatOptLink = :parFloPatOptLink
                AND (:parBMaterialLink = 'ALL' OR v.BMaterialLink = :parBMaterialLink))
ORDER BY a.AppOrder;
