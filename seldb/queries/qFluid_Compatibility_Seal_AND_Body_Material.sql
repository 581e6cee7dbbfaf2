-- Fluids of a state that some valve of the valve type and application can take (seal and
-- body rated for it). With [parComFluidLink] 1 only fluids rated A; with 0 ("show all
-- available fluids") also those rated C.
SELECT f.FluidLinkText, f.FluidLink, f.FluidCategoryLink, c.FluidCategoryText, f.CategoryDefault,
       f.SpecificGravity AS FluidSpecificGravity,
       f.FluidLink || '_' || f.FluidStateLink AS FluidAndStateLink,
       1 AS FluidSelectable
FROM Fluid f
JOIN FluidCategory c ON c.FluidCategoryLink = f.FluidCategoryLink
WHERE f.FluidStateLink = :parFluidStateLink
  AND f.OtherMedia = 0
  AND EXISTS (SELECT 1 FROM AppFluidState s
              WHERE s.AppTypeLink = :parAppTypeLink AND s.FluidStateLink = f.FluidStateLink)
  AND EXISTS (SELECT 1 FROM Valve v
              JOIN FluidSeal fs ON fs.FluidLink = f.FluidLink AND fs.SMaterialLink = v.SMaterialLink
              JOIN CategoryBody cb ON cb.FluidCategoryLink = f.FluidCategoryLink
                                  AND cb.BMaterialLink = v.BMaterialLink
              WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
                AND (fs.Rating = 'A' OR CAST(:parComFluidLink AS INTEGER) = 0)
                AND CASE f.FluidStateLink WHEN 'LIQ' THEN v.MOPD_LIQ WHEN 'OIL' THEN v.MOPD_OIL
                                          ELSE v.MOPD_GAS END > 0)
ORDER BY f.FluidOrder;
