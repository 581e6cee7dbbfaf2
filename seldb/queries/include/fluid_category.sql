    AND (:parFluidCategoryLink IN ('', 'NA', 'ALL')
         OR EXISTS (SELECT 1 FROM CategoryBody cb
                    WHERE cb.FluidCategoryLink = :parFluidCategoryLink
                      AND cb.BMaterialLink = v.BMaterialLink))
