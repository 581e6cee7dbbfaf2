-- Flow factor kinds of the part number filter.
SELECT FlowFactorLink, FlowFactorText
FROM FlowFactorKind
ORDER BY KindOrder;
