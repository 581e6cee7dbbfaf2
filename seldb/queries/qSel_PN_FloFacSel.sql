-- Ranges of the flow-factor filter in the kind chosen ([parFlowFactorLink], "Cv" or "Kv").
-- When a flow factor was entered ([parChkBx_FloFacValue] set, value in the unit
-- [parFloFacUnit]), the first range starts at that value, converted to the kind, and the
-- ranges below it are left out.
WITH Entered AS (
    SELECT Low FROM (
        SELECT :parFloFacValueEntered
               * (SELECT PerCv FROM FlowFactorKind WHERE FlowFactorLink = :parFlowFactorLink)
               / (SELECT PerCv FROM FlowFactorKind WHERE upper(FlowFactorLink) = upper(:parFloFacUnit))
               AS Low)
    WHERE :parChkBx_FloFacValue <> 0 AND :parFloFacValueEntered > 0 AND Low IS NOT NULL)
SELECT printf('%g', e.Low) AS FlowFacValue_Low,
       printf((SELECT Text FROM QueryText WHERE TextKey = 'RangeEntered'),
              replace(printf('%.2f', e.Low), '.',
                      (SELECT Text FROM QueryText WHERE TextKey = 'DecimalPoint')))
           AS FlowFacRangeText,
       0 AS RangeOrder
FROM Entered e
UNION ALL
SELECT r.FlowFacValue_Low, r.FlowFacRangeText, r.RangeOrder
FROM FlowFactorRange r
WHERE r.FlowFactorLink = :parFlowFactorLink
  AND (NOT EXISTS (SELECT 1 FROM Entered)
       OR CAST(r.FlowFacValue_Low AS REAL) > (SELECT Low FROM Entered))
ORDER BY RangeOrder;
