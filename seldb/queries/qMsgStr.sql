-- Message catalogue by identifier: the text is the first field.
SELECT WarningText, MsgIdInt
FROM MessageIds
WHERE MsgId = :parMsgId;
