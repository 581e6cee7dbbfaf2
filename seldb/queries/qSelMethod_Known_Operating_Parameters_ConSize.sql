-- Port sizes of the valves of the valve type and application.
SELECT DISTINCT ps.ConSizeLinkText, ps.ConSizeLink, ps.ConSizeOrder
FROM Valve v
JOIN PortSize ps ON ps.ConSizeLink = v.ConSizeLink
WHERE
-- @include valve_type
-- @include app_series
-- @include app_category
ORDER BY ps.ConSizeOrder;
