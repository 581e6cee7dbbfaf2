-- Number of series offered by rapid selection.
SELECT COUNT(*) AS RapSelSeriesCount
FROM RapidSeries;
