    -- The seal is rated for the fluid, the body for the fluid's category, the application
    -- serves the fluid's state and the part holds a pressure differential in that state.
    -- Media that are not listed are rated with every seal and body.
    AND EXISTS (SELECT 1 FROM Fluid f
                JOIN FluidSeal fs ON fs.FluidLink = f.FluidLink AND fs.SMaterialLink = v.SMaterialLink
                JOIN CategoryBody cb ON cb.FluidCategoryLink = f.FluidCategoryLink
                                    AND cb.BMaterialLink = v.BMaterialLink
                WHERE f.FluidLink = :parFluidLink AND f.FluidStateLink = :parFluidStateLink)
    AND EXISTS (SELECT 1 FROM AppFluidState s
                WHERE s.AppTypeLink = :parAppTypeLink AND s.FluidStateLink = :parFluidStateLink)
    AND CASE :parFluidStateLink WHEN 'LIQ' THEN p.MOPD_LIQ WHEN 'OIL' THEN p.MOPD_OIL
                                ELSE p.MOPD_GAS END > 0
