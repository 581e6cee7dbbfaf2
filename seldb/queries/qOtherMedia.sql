-- The "medium not listed" entry of a fluid state.
SELECT f.FluidLinkText, f.FluidLink, f.FluidCategoryLink, c.FluidCategoryText,
       f.SpecificGravity AS FluidSpecificGravity
FROM Fluid f
JOIN FluidCategory c ON c.FluidCategoryLink = f.FluidCategoryLink
WHERE f.FluidStateLink = :parFluidStateLink AND f.OtherMedia = 1;
