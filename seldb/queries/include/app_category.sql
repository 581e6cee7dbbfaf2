    AND EXISTS (SELECT 1 FROM Application a
                WHERE a.AppTypeLink = :parAppTypeLink AND a.AppCategoryLink = :parAppCategoryLink)
