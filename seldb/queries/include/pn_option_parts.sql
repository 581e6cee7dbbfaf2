      -- With the coil chosen, a valve's part numbers count one by one.
      FROM Valve v INDEXED BY ValveByType
      CROSS JOIN PartListRow p ON p.PNId BETWEEN v.FirstPNId AND v.LastPNId
