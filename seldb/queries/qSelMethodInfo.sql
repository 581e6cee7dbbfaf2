-- Text and explanation of a way of the known operating parameters dialog
-- ("SelMeth_Param" or "SelMeth_Size").
SELECT SelMethodInfoText, SelMethodText
FROM SelMethodInfo
WHERE MethodLink = :parMethodLink;
