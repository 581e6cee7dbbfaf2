-- Function types of the Valve Type step.
SELECT FuncLinkText, FuncLink
FROM FunctionType
ORDER BY FuncOrder;
