-- Catalog sheet of a valve of the application; none when the series has no sheet.
SELECT s.RefFile AS ReferenceFile
FROM Valve v
JOIN Series s ON s.SeriesLink = v.SeriesLink
WHERE v.ValveNumberLink = :parValveNumberLink
  AND v.SufxLink = :parSufxLink
  AND v.SeriesLink IN (SELECT SeriesLink FROM AppSeries WHERE AppTypeLink = :parAppTypeLink)
  AND s.RefFile <> '';
