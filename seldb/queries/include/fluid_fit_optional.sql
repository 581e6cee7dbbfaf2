    -- The valve size method chooses no fluid: then every valve counts.
    AND (:parFluidLink = ''
         OR (EXISTS (SELECT 1 FROM Fluid f
                     JOIN FluidSeal fs ON fs.FluidLink = f.FluidLink AND fs.SMaterialLink = v.SMaterialLink
                     JOIN CategoryBody cb ON cb.FluidCategoryLink = f.FluidCategoryLink
                                         AND cb.BMaterialLink = v.BMaterialLink
                     WHERE f.FluidLink = :parFluidLink AND f.FluidStateLink = :parFluidStateLink)
             AND CASE :parFluidStateLink WHEN 'LIQ' THEN v.MOPD_LIQ WHEN 'OIL' THEN v.MOPD_OIL
                                         ELSE v.MOPD_GAS END > 0))
