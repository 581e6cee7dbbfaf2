-- Fluid states an application serves.
SELECT s.FluidStateLink
FROM AppFluidState s
JOIN FluidState f ON f.FluidStateLink = s.FluidStateLink
WHERE s.AppTypeLink = :parAppTypeLink
ORDER BY f.StateOrder;
