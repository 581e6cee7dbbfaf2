-- Flow patterns of a function type, with the name of their symbol picture.
SELECT FloPatLinkText, FloPatLink, FloPatPic
FROM FlowPattern
WHERE FuncLink = :parFuncLink
ORDER BY FloPatOrder;
