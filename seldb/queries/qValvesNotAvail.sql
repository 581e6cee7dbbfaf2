-- Speciality valves that the wizard does not offer, with their catalog file.
SELECT SeriesLinkText, SeriesLinkDesc, SeriesMoreInfo
FROM SpecialtyValve
ORDER BY SeriesOrder;
