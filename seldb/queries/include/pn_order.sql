-- Part numbers are numbered valve by valve: this is their number order, read without sorting.
ORDER BY v.ValveId, p.PNId;
