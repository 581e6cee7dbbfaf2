-- Message catalogue by number.
SELECT WarningText, MsgId
FROM MessageIds
WHERE MsgIdInt = :parMsgIDInt;
