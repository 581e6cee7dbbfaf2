-- Series offered by rapid selection.
SELECT DesignSeriesLink, DesignSeriesText
FROM RapidSeries
ORDER BY RapidOrder;
