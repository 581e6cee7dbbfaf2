-- The non-standard voltage entry of the voltage list.
SELECT Link, Text, "Order"
FROM NonStandardVoltage;
