-- Flow factor a liquid (or oil) flow needs: Cv = Q[gpm] * sqrt(SG / dP[psi]).
-- A fluid that is not found is taken as water. With no pressure differential no valve can
-- pass the flow, so the flow factor is "too large to exist" rather than zero.
SELECT CASE WHEN q <= 0 THEN 0.0
            WHEN dp <= 0 THEN 1e30
            ELSE q * sqrt(sg / dp)
       END AS CalcCv
FROM (SELECT :parUserFlowRate_GPM AS q,
             :parMOPDValue AS dp,
             COALESCE((SELECT SpecificGravity FROM Fluid
                       WHERE FluidLink = :parFluidLink AND FluidStateLink = :parFluidStateLink),
                      1.0) AS sg);
