-- Control input signals offered by proportional valves.
SELECT ControlSigText, ControlSigLink
FROM ControlSignal
WHERE Offered = 1
ORDER BY ControlSigOrder;
