-- A stored picture: the bytes of a complete image file.
SELECT Image
FROM Images
WHERE ImageName = :parImageName;
