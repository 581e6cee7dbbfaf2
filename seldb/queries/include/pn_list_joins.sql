-- The valves of the valve type drive the query in ValveId order; then each valve's part
-- numbers, one run of PartListRow, are read in order with no lookup per row.
FROM Valve v INDEXED BY ValveByType
CROSS JOIN PartListRow p ON p.PNId BETWEEN v.FirstPNId AND v.LastPNId
