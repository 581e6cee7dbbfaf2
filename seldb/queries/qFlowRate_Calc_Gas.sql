-- Flow factor a gas flow needs, in US units: Q[scfh] = 60 * Q[scfm], P1 = inlet gauge
-- pressure + 14.696 psia, P2 = P1 - dP, T = F + 459.67 R, G the gas's specific gravity to air.
--   subcritical (dP < P1/2):  Cv = Q / (1360 * sqrt(dP * P2 / (G * T)))
--   critical   (dP >= P1/2):  Cv = Q * sqrt(G * T) / (680 * P1)
-- A gas that is not found is taken as air. Without a differential, with no absolute inlet
-- pressure or below absolute zero no valve can pass the flow: the flow factor is then "too
-- large to exist" rather than zero.
SELECT CASE WHEN q <= 0 THEN 0.0
            WHEN dp <= 0 OR p1 <= 0 OR t <= 0 THEN 1e30
            WHEN dp < p1 / 2 THEN q / (1360 * sqrt(dp * (p1 - dp) / (g * t)))
            ELSE q * sqrt(g * t) / (680 * p1)
       END AS CalcCv
FROM (SELECT 60 * :parUserFlowRate_SCFM AS q,
             :parMOPDValue AS dp,
             :parMIPValue + 14.696 AS p1,
             :parTemp + 459.67 AS t,
             COALESCE((SELECT SpecificGravity FROM Fluid
                       WHERE FluidLink = :parFluidLink AND FluidStateLink = :parFluidStateLink),
                      1.0) AS g);
