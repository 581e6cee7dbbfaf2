-- Run by mkseldb --scale N once for each extra copy 2..N: repeats every valve series under a
-- new series code (K21 -> K21x2, ...), so benchmarks can query a much larger catalogue.
INSERT INTO Series (SeriesLink, SeriesOrder, FuncLink, FloPatLink, ActLink, CoilFamily, RefFile, SeriesText)
SELECT SeriesLink || 'x' || :copy, SeriesOrder + 100 * :copy, FuncLink, FloPatLink, ActLink,
       CoilFamily, RefFile, SeriesText
FROM Series WHERE instr(SeriesLink, 'x') = 0;

INSERT INTO AppSeries (AppTypeLink, SeriesLink)
SELECT AppTypeLink, SeriesLink || 'x' || :copy FROM AppSeries WHERE instr(SeriesLink, 'x') = 0;

INSERT INTO SeriesSize
SELECT SeriesLink || 'x' || :copy, ConSizeLink, OrificeLink, Cv, MinOPD, MaxInPress, VolFlowMax,
       PowerClass, MOPD_GAS_AC, MOPD_LIQ_AC, MOPD_OIL_AC, MOPD_GAS_DC, MOPD_LIQ_DC, MOPD_OIL_DC
FROM SeriesSize WHERE instr(SeriesLink, 'x') = 0;

INSERT INTO SeriesBody (SeriesLink, BMaterialLink, MaxConSizeOrder)
SELECT SeriesLink || 'x' || :copy, BMaterialLink, MaxConSizeOrder FROM SeriesBody
WHERE instr(SeriesLink, 'x') = 0;

INSERT INTO SeriesSeal (SeriesLink, SMaterialLink)
SELECT SeriesLink || 'x' || :copy, SMaterialLink FROM SeriesSeal WHERE instr(SeriesLink, 'x') = 0;

INSERT INTO SeriesConType (SeriesLink, ConTypeLink)
SELECT SeriesLink || 'x' || :copy, ConTypeLink FROM SeriesConType WHERE instr(SeriesLink, 'x') = 0;

INSERT INTO SeriesOption (SeriesLink, FloPatOptLink, MinOPD)
SELECT SeriesLink || 'x' || :copy, FloPatOptLink, MinOPD FROM SeriesOption
WHERE instr(SeriesLink, 'x') = 0;
