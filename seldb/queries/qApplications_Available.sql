-- Application categories that have valves of the valve type chosen.
SELECT DISTINCT a.AppCategoryLink
FROM Application a
WHERE EXISTS (SELECT 1 FROM AppSeries s JOIN Valve v ON v.SeriesLink = s.SeriesLink
              WHERE s.AppTypeLink = a.AppTypeLink
                AND v.FuncLink = :parFuncLink
                AND v.FloPatLink = :parFloPatLink
                AND v.FloPatOptLink = :parFloPatOptLink)
ORDER BY a.AppCategoryLink;
