    v.FuncLink = :parFuncLink
    AND v.FloPatLink = :parFloPatLink
    AND v.FloPatOptLink = :parFloPatOptLink
