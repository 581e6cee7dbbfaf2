      -- Without a coil chosen, a valve's coils count by their option groups.
      FROM Valve v INDEXED BY ValveByType
      CROSS JOIN PartOptionGroup p ON p.ValveId = v.ValveId
