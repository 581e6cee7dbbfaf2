-- Labels of the selection report by report map key.
SELECT MapKey, FieldLabel
FROM ReportLabels
ORDER BY LabelOrder;
