-- The valves of qSelMethod_ValveSizing for the verification list. The pressure drop is the
-- differential the valve takes at the required flow: dP * (Cv required / Cv of the valve)^2.
SELECT v.ValveNumberLink, v.SufxLink, v.SufxLink AS SufxCode,
       printf((SELECT Text FROM QueryText WHERE TextKey = 'PressureDrop'),
              replace(printf('%.1f', :parMOPDValue * (:parCalcCv / v.Cv) * (:parCalcCv / v.Cv)),
                      '.', (SELECT Text FROM QueryText WHERE TextKey = 'DecimalPoint')))
           AS PressureDrop
FROM Valve v
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
-- @include fluid_fit
-- @include valve_size
ORDER BY v.ValveId;
