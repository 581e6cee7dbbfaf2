-- With "show all available fluids" ([parComFluidLink] 0): every fluid of the state, marked
-- not selectable; the dialog adds those the compatible list lacks. Nothing otherwise.
SELECT f.FluidLinkText, f.FluidLink, f.FluidCategoryLink, c.FluidCategoryText, f.CategoryDefault,
       f.SpecificGravity AS FluidSpecificGravity,
       f.FluidLink || '_' || f.FluidStateLink AS FluidAndStateLink,
       0 AS FluidSelectable
FROM Fluid f
JOIN FluidCategory c ON c.FluidCategoryLink = f.FluidCategoryLink
WHERE f.FluidStateLink = :parFluidStateLink
  AND f.OtherMedia = 0
  AND CAST(:parComFluidLink AS INTEGER) = 0
ORDER BY f.FluidOrder;
