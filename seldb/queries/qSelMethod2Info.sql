-- Information of a valve size application: text, catalog file and fluid compatibility help.
SELECT AppInfoText AS MessageLinkText, RefLink, FluidCompatFile, FluidCompatPage
FROM Application
WHERE AppTypeLink = :parAppTypeLink;
