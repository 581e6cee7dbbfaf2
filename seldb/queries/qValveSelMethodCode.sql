-- Selection method of an application: 1 known operating parameters, 2 valve size.
SELECT SelMethodCode
FROM Application
WHERE AppTypeLink = :parAppTypeLink AND AppCategoryLink = :parAppCategoryLink;
