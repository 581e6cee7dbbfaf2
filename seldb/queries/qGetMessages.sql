-- Message text by message key.
SELECT MessageLinkText
FROM Messages
WHERE MessageLink = :parMessageLink;
