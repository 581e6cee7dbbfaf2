    AND v.SeriesLink IN (SELECT SeriesLink FROM AppSeries WHERE AppTypeLink = :parAppTypeLink)
