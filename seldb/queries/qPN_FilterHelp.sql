-- Help file and topic of a part number filter.
SELECT HelpFile AS PN_FilterHelp_File, HelpPage AS PN_FilterHelp_Page
FROM FilterHelp
WHERE FilterParam = :parFilterParam;
