-- Selection database of the Morvane Valve selector: one SQLite file per language.
-- Declared column types are deliberate: the data layer takes a field's kind from them
-- (TEXT read as text, INTEGER as a 32-bit integer, REAL as a 64-bit float, BLOB as bytes).
-- Keys ("...Link") are text, so "08" stays "08".

-- The program runs these by name; a parameter written [parX] is :parX in the text.
CREATE TABLE StoredQueries (
    Name TEXT PRIMARY KEY,
    Sql  TEXT NOT NULL
);

------------------------------------------------------------------------------------------
-- Texts of the program that live in the database
------------------------------------------------------------------------------------------

CREATE TABLE Messages (
    MessageLink     TEXT PRIMARY KEY,
    MessageLinkText TEXT NOT NULL
);

-- The message catalogue by identifier (text and number).
CREATE TABLE MessageIds (
    MsgIdInt    INTEGER PRIMARY KEY,
    MsgId       TEXT NOT NULL UNIQUE,
    WarningText TEXT NOT NULL
);

-- Words and patterns the queries put into the texts they compose.
CREATE TABLE QueryText (
    TextKey TEXT PRIMARY KEY,
    Text    TEXT NOT NULL
);

CREATE TABLE ReportLabels (
    MapKey     TEXT PRIMARY KEY,
    LabelOrder INTEGER NOT NULL,
    FieldLabel TEXT NOT NULL
);

-- Read with query text by the program: the second column is the file name.
CREATE TABLE RefHelpNames (
    Category TEXT PRIMARY KEY,
    FileName TEXT NOT NULL
);

CREATE TABLE FilterHelp (
    FilterParam TEXT PRIMARY KEY,
    HelpFile    TEXT NOT NULL,
    HelpPage    TEXT NOT NULL
);

CREATE TABLE SelMethodInfo (
    MethodLink        TEXT PRIMARY KEY,
    SelMethodText     TEXT NOT NULL,
    SelMethodInfoText TEXT NOT NULL
);

CREATE TABLE Images (
    ImageName TEXT PRIMARY KEY,
    Image     BLOB NOT NULL
);

------------------------------------------------------------------------------------------
-- Valve type
------------------------------------------------------------------------------------------

CREATE TABLE FunctionType (
    FuncLink     TEXT PRIMARY KEY,
    FuncOrder    INTEGER NOT NULL,
    FuncLinkText TEXT NOT NULL
);

CREATE TABLE FlowPattern (
    FloPatLink     TEXT PRIMARY KEY,
    FuncLink       TEXT NOT NULL REFERENCES FunctionType(FuncLink),
    FloPatOrder    INTEGER NOT NULL,
    FloPatPic      TEXT NOT NULL,
    FloPatLinkText TEXT NOT NULL
);

-- "NOOPT" marks a pattern without options; PNCode is what the option adds to the suffix.
CREATE TABLE FlowPatternOption (
    FloPatLink        TEXT NOT NULL REFERENCES FlowPattern(FloPatLink),
    FloPatOptLink     TEXT NOT NULL,
    OptOrder          INTEGER NOT NULL,
    PNCode            TEXT NOT NULL,
    FloPatOptLinkText TEXT NOT NULL,
    PRIMARY KEY (FloPatLink, FloPatOptLink)
);

------------------------------------------------------------------------------------------
-- Valve attributes
------------------------------------------------------------------------------------------

CREATE TABLE BodyMaterial (
    BMaterialLink     TEXT PRIMARY KEY,
    BMaterialOrder    REAL NOT NULL UNIQUE,
    PNCode            TEXT NOT NULL UNIQUE,
    MinTemp_F         REAL NOT NULL,
    MaxTemp_F         REAL NOT NULL,
    BMaterialLinkText TEXT NOT NULL
);

CREATE TABLE Seal (
    SMaterialLink     TEXT PRIMARY KEY,
    SMaterialOrder    REAL NOT NULL UNIQUE,
    PNCode            TEXT NOT NULL UNIQUE,
    MinTemp_F         REAL NOT NULL,
    MaxTemp_F         REAL NOT NULL,
    SMaterialLinkText TEXT NOT NULL
);

CREATE TABLE ConnectionType (
    ConTypeLink     TEXT PRIMARY KEY,
    ConTypeOrder    REAL NOT NULL UNIQUE,
    PNCode          TEXT NOT NULL UNIQUE,
    ConTypeLinkText TEXT NOT NULL
);

-- Port sizes; the link is the size in sixteenths of an inch.
CREATE TABLE PortSize (
    ConSizeLink     TEXT PRIMARY KEY,
    ConSizeOrder    INTEGER NOT NULL UNIQUE,
    ConSizeLinkText TEXT NOT NULL
);

-- Orifices; the link is the diameter in sixty-fourths of an inch.
CREATE TABLE Orifice (
    OrificeLink     TEXT PRIMARY KEY,
    OrificeOrder    INTEGER NOT NULL UNIQUE,
    Diameter_in     REAL NOT NULL,
    OrificeLinkText TEXT NOT NULL
);

CREATE TABLE Actuation (
    ActLink     TEXT PRIMARY KEY,
    ActOrder    REAL NOT NULL UNIQUE,
    ActLinkText TEXT NOT NULL
);

------------------------------------------------------------------------------------------
-- Applications and valve series
------------------------------------------------------------------------------------------

CREATE TABLE Application (
    AppTypeLink       TEXT PRIMARY KEY,
    AppCategoryLink   TEXT NOT NULL CHECK (AppCategoryLink IN ('GenPurp', 'Specialty')),
    SelMethodCode     INTEGER NOT NULL,
    AppOrder          INTEGER NOT NULL,
    RefLink           TEXT NOT NULL,
    FluidCompatFile   TEXT NOT NULL,
    FluidCompatPage   TEXT NOT NULL,
    AppTypeLinkText   TEXT NOT NULL,
    AppTypeStaticText TEXT NOT NULL,
    AppInfoText       TEXT NOT NULL
);

CREATE TABLE AppFluidState (
    AppTypeLink    TEXT NOT NULL REFERENCES Application(AppTypeLink),
    FluidStateLink TEXT NOT NULL REFERENCES FluidState(FluidStateLink),
    PRIMARY KEY (AppTypeLink, FluidStateLink)
);

CREATE TABLE Series (
    SeriesLink  TEXT PRIMARY KEY,
    SeriesOrder INTEGER NOT NULL,
    FuncLink    TEXT NOT NULL REFERENCES FunctionType(FuncLink),
    FloPatLink  TEXT NOT NULL REFERENCES FlowPattern(FloPatLink),
    ActLink     TEXT NOT NULL REFERENCES Actuation(ActLink),
    CoilFamily  TEXT NOT NULL REFERENCES CoilFamily(CoilFamily),
    RefFile     TEXT NOT NULL,
    SeriesText  TEXT NOT NULL
);

CREATE TABLE AppSeries (
    AppTypeLink TEXT NOT NULL REFERENCES Application(AppTypeLink),
    SeriesLink  TEXT NOT NULL REFERENCES Series(SeriesLink),
    PRIMARY KEY (AppTypeLink, SeriesLink)
);

-- One row per port size and orifice of a series, with its ratings: flow factor Cv,
-- minimum and maximum operating pressure differentials (psi) by fluid state and current,
-- maximum inlet pressure (psig), maximum volumetric flow (cc/min) and the coil power class.
CREATE TABLE SeriesSize (
    SeriesLink  TEXT NOT NULL REFERENCES Series(SeriesLink),
    ConSizeLink TEXT NOT NULL REFERENCES PortSize(ConSizeLink),
    OrificeLink TEXT NOT NULL REFERENCES Orifice(OrificeLink),
    Cv          REAL NOT NULL,
    MinOPD      REAL NOT NULL,
    MaxInPress  REAL NOT NULL,
    VolFlowMax  REAL NOT NULL,
    PowerClass  TEXT NOT NULL,
    MOPD_GAS_AC REAL NOT NULL,
    MOPD_LIQ_AC REAL NOT NULL,
    MOPD_OIL_AC REAL NOT NULL,
    MOPD_GAS_DC REAL NOT NULL,
    MOPD_LIQ_DC REAL NOT NULL,
    MOPD_OIL_DC REAL NOT NULL,
    PRIMARY KEY (SeriesLink, ConSizeLink, OrificeLink)
);

-- Body materials of a series, up to the largest port (by PortSize order) made in it.
CREATE TABLE SeriesBody (
    SeriesLink       TEXT NOT NULL REFERENCES Series(SeriesLink),
    BMaterialLink    TEXT NOT NULL REFERENCES BodyMaterial(BMaterialLink),
    MaxConSizeOrder  INTEGER NOT NULL,
    PRIMARY KEY (SeriesLink, BMaterialLink)
);

CREATE TABLE SeriesSeal (
    SeriesLink    TEXT NOT NULL REFERENCES Series(SeriesLink),
    SMaterialLink TEXT NOT NULL REFERENCES Seal(SMaterialLink),
    PRIMARY KEY (SeriesLink, SMaterialLink)
);

CREATE TABLE SeriesConType (
    SeriesLink  TEXT NOT NULL REFERENCES Series(SeriesLink),
    ConTypeLink TEXT NOT NULL REFERENCES ConnectionType(ConTypeLink),
    PRIMARY KEY (SeriesLink, ConTypeLink)
);

-- Options a series is made with; MinOPD replaces the size's minimum differential when given
-- (an externally piloted valve opens without line pressure).
CREATE TABLE SeriesOption (
    SeriesLink    TEXT NOT NULL REFERENCES Series(SeriesLink),
    FloPatOptLink TEXT NOT NULL,
    MinOPD        REAL,
    PRIMARY KEY (SeriesLink, FloPatOptLink)
);

-- Valves of the maker that the wizard does not offer.
CREATE TABLE SpecialtyValve (
    SeriesLink     TEXT PRIMARY KEY,
    SeriesOrder    INTEGER NOT NULL,
    SeriesMoreInfo TEXT NOT NULL,
    SeriesLinkText TEXT NOT NULL,
    SeriesLinkDesc TEXT NOT NULL
);

------------------------------------------------------------------------------------------
-- Fluids
------------------------------------------------------------------------------------------

CREATE TABLE FluidState (
    FluidStateLink TEXT PRIMARY KEY CHECK (FluidStateLink IN ('GAS', 'LIQ', 'OIL')),
    StateOrder     INTEGER NOT NULL,
    FluidStateText TEXT NOT NULL
);

CREATE TABLE FluidCategory (
    FluidCategoryLink TEXT PRIMARY KEY,
    FluidCategoryText TEXT NOT NULL
);

-- Specific gravity: gases relative to air, liquids and oils relative to water.
-- OtherMedia marks the "medium not listed" entry of a state.
CREATE TABLE Fluid (
    FluidLink         TEXT PRIMARY KEY,
    FluidStateLink    TEXT NOT NULL REFERENCES FluidState(FluidStateLink),
    FluidCategoryLink TEXT NOT NULL REFERENCES FluidCategory(FluidCategoryLink),
    FluidOrder        INTEGER NOT NULL,
    SpecificGravity   REAL NOT NULL CHECK (SpecificGravity > 0),
    CategoryDefault   INTEGER NOT NULL,
    OtherMedia        INTEGER NOT NULL,
    FluidLinkText     TEXT NOT NULL
);

-- Seal ratings: 'A' suitable, 'C' suitable with limits (listed when all fluids are shown).
CREATE TABLE FluidSeal (
    FluidLink     TEXT NOT NULL REFERENCES Fluid(FluidLink),
    SMaterialLink TEXT NOT NULL REFERENCES Seal(SMaterialLink),
    Rating        TEXT NOT NULL CHECK (Rating IN ('A', 'C')),
    PRIMARY KEY (FluidLink, SMaterialLink)
);

-- Body materials suitable for a fluid category.
CREATE TABLE CategoryBody (
    FluidCategoryLink TEXT NOT NULL REFERENCES FluidCategory(FluidCategoryLink),
    BMaterialLink     TEXT NOT NULL REFERENCES BodyMaterial(BMaterialLink),
    PRIMARY KEY (FluidCategoryLink, BMaterialLink)
);

------------------------------------------------------------------------------------------
-- Coils
------------------------------------------------------------------------------------------

CREATE TABLE CurrentType (
    AcDcLink TEXT PRIMARY KEY CHECK (AcDcLink IN ('AC', 'DC')),
    AcDcText TEXT NOT NULL
);

CREATE TABLE Voltage (
    VoltLink     TEXT PRIMARY KEY,
    AcDcLink     TEXT NOT NULL REFERENCES CurrentType(AcDcLink),
    VoltOrder    REAL NOT NULL UNIQUE,
    VoltDefault  INTEGER NOT NULL,
    VoltLinkText TEXT NOT NULL
);

-- The entry offered after the standard voltages; its link "ALL" leaves the coil open.
CREATE TABLE NonStandardVoltage (
    Link    TEXT PRIMARY KEY,
    "Order" REAL NOT NULL,
    Text    TEXT NOT NULL
);

CREATE TABLE CoilClass (
    CoilClsLink     TEXT PRIMARY KEY,
    CoilClsOrder    REAL NOT NULL UNIQUE,
    PNCode          TEXT NOT NULL UNIQUE,
    MaxFluidTemp_F  REAL NOT NULL,
    CoilClsLinkText TEXT NOT NULL
);

CREATE TABLE OpEnvironment (
    OpEnvLink       TEXT PRIMARY KEY CHECK (OpEnvLink IN ('ORD', 'HAZ')),
    OpEnvOrder      INTEGER NOT NULL,
    OpEnvLinkText   TEXT NOT NULL,
    OpEnvStaticText TEXT NOT NULL
);

CREATE TABLE SolConstruction (
    SolConstLink       TEXT PRIMARY KEY,
    SolConstOrder      INTEGER NOT NULL,
    SolConstLinkText   TEXT NOT NULL,
    SolConstStaticText TEXT NOT NULL
);

CREATE TABLE Termination (
    TermLink       TEXT PRIMARY KEY,
    TermOrder      INTEGER NOT NULL,
    PNCode         TEXT NOT NULL UNIQUE,
    TermPic        TEXT NOT NULL,
    TermLinkText   TEXT NOT NULL,
    TermStaticText TEXT NOT NULL
);

CREATE TABLE Enclosure (
    EncloseLink       TEXT PRIMARY KEY,
    EncloseOrder      INTEGER NOT NULL,
    EnclosePic        TEXT NOT NULL,
    EncloseLinkText   TEXT NOT NULL,
    EncloseStaticText TEXT NOT NULL
);

CREATE TABLE Approval (
    ApprovLink     TEXT PRIMARY KEY,
    ApprovOrder    REAL NOT NULL UNIQUE,
    ApprovLinkText TEXT NOT NULL
);

-- Control input signals of proportional coils; "NA" for on/off coils.
CREATE TABLE ControlSignal (
    ControlSigLink  TEXT PRIMARY KEY,
    ControlSigOrder REAL NOT NULL UNIQUE,
    PNCode          TEXT NOT NULL,
    Offered         INTEGER NOT NULL,
    ControlSigText  TEXT NOT NULL
);

-- A coil housing: construction, enclosure and location it is made for.
CREATE TABLE CoilHousing (
    HousingCode  TEXT PRIMARY KEY,
    SolConstLink TEXT NOT NULL REFERENCES SolConstruction(SolConstLink),
    EncloseLink  TEXT NOT NULL REFERENCES Enclosure(EncloseLink),
    OpEnvLink    TEXT NOT NULL REFERENCES OpEnvironment(OpEnvLink)
);

CREATE TABLE HousingTermination (
    HousingCode TEXT NOT NULL REFERENCES CoilHousing(HousingCode),
    TermLink    TEXT NOT NULL REFERENCES Termination(TermLink),
    PRIMARY KEY (HousingCode, TermLink)
);

-- Coil families: which housings (with their approval), classes, voltages and control
-- signals a valve series can be fitted with.
CREATE TABLE CoilFamily (
    CoilFamily TEXT PRIMARY KEY
);

CREATE TABLE FamilyHousing (
    CoilFamily  TEXT NOT NULL REFERENCES CoilFamily(CoilFamily),
    HousingCode TEXT NOT NULL REFERENCES CoilHousing(HousingCode),
    ApprovLink  TEXT NOT NULL REFERENCES Approval(ApprovLink),
    PRIMARY KEY (CoilFamily, HousingCode)
);

CREATE TABLE FamilyClass (
    CoilFamily  TEXT NOT NULL REFERENCES CoilFamily(CoilFamily),
    CoilClsLink TEXT NOT NULL REFERENCES CoilClass(CoilClsLink),
    PRIMARY KEY (CoilFamily, CoilClsLink)
);

CREATE TABLE FamilyVoltage (
    CoilFamily TEXT NOT NULL REFERENCES CoilFamily(CoilFamily),
    VoltLink   TEXT NOT NULL REFERENCES Voltage(VoltLink),
    PRIMARY KEY (CoilFamily, VoltLink)
);

CREATE TABLE FamilyControlSig (
    CoilFamily     TEXT NOT NULL REFERENCES CoilFamily(CoilFamily),
    ControlSigLink TEXT NOT NULL REFERENCES ControlSignal(ControlSigLink),
    PRIMARY KEY (CoilFamily, ControlSigLink)
);

-- Coil power by family, power class and current.
CREATE TABLE CoilPower (
    CoilFamily  TEXT NOT NULL REFERENCES CoilFamily(CoilFamily),
    PowerClass  TEXT NOT NULL,
    AcDcLink    TEXT NOT NULL REFERENCES CurrentType(AcDcLink),
    WattageText TEXT NOT NULL,
    PRIMARY KEY (CoilFamily, PowerClass, AcDcLink)
);

------------------------------------------------------------------------------------------
-- Part number step
------------------------------------------------------------------------------------------

-- PerCv: the kind's value for a flow factor of one Cv.
CREATE TABLE FlowFactorKind (
    FlowFactorLink TEXT PRIMARY KEY,
    KindOrder      INTEGER NOT NULL,
    PerCv          REAL NOT NULL,
    FlowFactorText TEXT NOT NULL
);

-- Lower bounds offered by the flow-factor range filter, in the kind's own unit.
CREATE TABLE FlowFactorRange (
    FlowFactorLink   TEXT NOT NULL REFERENCES FlowFactorKind(FlowFactorLink),
    RangeOrder       INTEGER NOT NULL,
    FlowFacValue_Low TEXT NOT NULL,
    FlowFacRangeText TEXT NOT NULL,
    PRIMARY KEY (FlowFactorLink, RangeOrder)
);

CREATE TABLE Undecided (
    UndecidedLink TEXT PRIMARY KEY,
    UndecidedText TEXT NOT NULL
);

------------------------------------------------------------------------------------------
-- Rapid selection
------------------------------------------------------------------------------------------

CREATE TABLE RapidSeries (
    DesignSeriesLink TEXT PRIMARY KEY REFERENCES Series(SeriesLink),
    RapidOrder       INTEGER NOT NULL,
    DesignSeriesText TEXT NOT NULL
);

CREATE TABLE RapidSeriesType (
    DesignSeriesLink TEXT NOT NULL REFERENCES RapidSeries(DesignSeriesLink),
    PNType           TEXT NOT NULL CHECK (PNType IN ('ValveAssembly', 'Valve', 'Solenoid')),
    ImageName        TEXT NOT NULL,
    PRIMARY KEY (DesignSeriesLink, PNType)
);

-- The segments of a build type, in field number order; field 999 names the query that
-- builds the complete part number. A segment in display state "0" is shown but never filled.
CREATE TABLE RapidField (
    PNType             TEXT NOT NULL,
    RapSelFieldNum     INTEGER NOT NULL,
    FieldDisplayState  TEXT NOT NULL,
    Query              TEXT NOT NULL,
    RapSelFieldHeading TEXT NOT NULL,
    PRIMARY KEY (PNType, RapSelFieldNum)
);

------------------------------------------------------------------------------------------
-- Competitor interchange
------------------------------------------------------------------------------------------

CREATE TABLE Competitor (
    CompttrLink  TEXT PRIMARY KEY,
    CompttrOrder INTEGER NOT NULL,
    CompttrText  TEXT NOT NULL
);

CREATE TABLE CompetitorPN (
    CompttrLink       TEXT NOT NULL REFERENCES Competitor(CompttrLink),
    CompttrPrefixLink TEXT NOT NULL,
    CompttrPrefix     TEXT NOT NULL,
    CompttrPN         TEXT NOT NULL,
    CompttrSuffix     TEXT NOT NULL,
    CompttrSuffixLink TEXT NOT NULL,
    PRIMARY KEY (CompttrLink, CompttrPrefixLink, CompttrPN, CompttrSuffixLink)
);

CREATE TABLE ProductLine (
    ProductLinkIndiv TEXT PRIMARY KEY,
    ProductOrder     INTEGER NOT NULL,
    ProductLineText  TEXT NOT NULL
);

-- A competitor part and the valve that replaces it in one product line; CoilBase is the
-- coil code without voltage, empty for a line sold without coils.
CREATE TABLE Interchange (
    CompttrLink       TEXT NOT NULL,
    CompttrPrefixLink TEXT NOT NULL,
    CompttrPN         TEXT NOT NULL,
    CompttrSuffixLink TEXT NOT NULL,
    ProductLinkIndiv  TEXT NOT NULL REFERENCES ProductLine(ProductLinkIndiv),
    ValveNumberLink   TEXT NOT NULL,
    SufxLink          TEXT NOT NULL,
    CoilBase          TEXT NOT NULL,
    NoteText          TEXT NOT NULL,
    PRIMARY KEY (CompttrLink, CompttrPrefixLink, CompttrPN, CompttrSuffixLink, ProductLinkIndiv),
    FOREIGN KEY (CompttrLink, CompttrPrefixLink, CompttrPN, CompttrSuffixLink)
        REFERENCES CompetitorPN(CompttrLink, CompttrPrefixLink, CompttrPN, CompttrSuffixLink)
);

------------------------------------------------------------------------------------------
-- Generated by generate.sql from the tables above
------------------------------------------------------------------------------------------

-- One orderable valve without coil: valve number (series, body, connection, port, orifice)
-- and suffix (seal, option), with every rating copied in for the queries.
CREATE TABLE Valve (
    ValveId         INTEGER PRIMARY KEY,
    ValveNumberLink TEXT NOT NULL,
    SufxLink        TEXT NOT NULL,
    SeriesLink      TEXT NOT NULL,
    FuncLink        TEXT NOT NULL,
    FloPatLink      TEXT NOT NULL,
    FloPatOptLink   TEXT NOT NULL,
    ActLink         TEXT NOT NULL,
    BMaterialLink   TEXT NOT NULL,
    SMaterialLink   TEXT NOT NULL,
    ConTypeLink     TEXT NOT NULL,
    ConSizeLink     TEXT NOT NULL,
    OrificeLink     TEXT NOT NULL,
    BodyCode        TEXT NOT NULL,
    ConTypeCode     TEXT NOT NULL,
    SealCode        TEXT NOT NULL,
    OptionCode      TEXT NOT NULL,
    CoilFamily      TEXT NOT NULL,
    PowerClass      TEXT NOT NULL,
    Cv              REAL NOT NULL,
    MinOPD          REAL NOT NULL,
    MaxInPress      REAL NOT NULL,
    VolFlowMax      REAL NOT NULL,
    MOPD_GAS_AC     REAL NOT NULL,
    MOPD_LIQ_AC     REAL NOT NULL,
    MOPD_OIL_AC     REAL NOT NULL,
    MOPD_GAS_DC     REAL NOT NULL,
    MOPD_LIQ_DC     REAL NOT NULL,
    MOPD_OIL_DC     REAL NOT NULL,
    -- the best of the currents the coil family offers
    MOPD_GAS        REAL NOT NULL,
    MOPD_LIQ        REAL NOT NULL,
    MOPD_OIL        REAL NOT NULL,
    -- limits of body and seal, and the best the family's coil classes allow
    MinFluidTemp    REAL NOT NULL,
    MatMaxTemp      REAL NOT NULL,
    MaxFluidTemp    REAL NOT NULL,
    -- what the part number list shows of the valve, in the database's language
    MinOPDText      TEXT NOT NULL,
    ConSizeLinkText TEXT NOT NULL,
    BMaterialLinkText TEXT NOT NULL,
    SMaterialLinkText TEXT NOT NULL,
    ConTypeLinkText TEXT NOT NULL,
    ActLinkText     TEXT NOT NULL,
    OrificeLinkText TEXT NOT NULL,
    -- the valve's part numbers are the run FirstPNId..LastPNId of PartNumber
    FirstPNId       INTEGER NOT NULL DEFAULT 0,
    LastPNId        INTEGER NOT NULL DEFAULT -1,
    UNIQUE (ValveNumberLink, SufxLink)
);
CREATE INDEX ValveByType ON Valve(FuncLink, FloPatLink, FloPatOptLink);
CREATE INDEX ValveBySeries ON Valve(SeriesLink);

CREATE TABLE Coil (
    CoilId         INTEGER PRIMARY KEY,
    CoilFamily     TEXT NOT NULL,
    PowerClass     TEXT NOT NULL,
    CoilBase       TEXT NOT NULL,
    CoilLink       TEXT NOT NULL,
    AcDcLink       TEXT NOT NULL,
    VoltLink       TEXT NOT NULL,
    CoilClsLink    TEXT NOT NULL,
    ClassCode      TEXT NOT NULL,
    HousingCode    TEXT NOT NULL,
    TermCode       TEXT NOT NULL,
    SolConstLink   TEXT NOT NULL,
    TermLink       TEXT NOT NULL,
    EncloseLink    TEXT NOT NULL,
    OpEnvLink      TEXT NOT NULL,
    ApprovLink     TEXT NOT NULL,
    ControlSigLink TEXT NOT NULL,
    WattageText    TEXT NOT NULL,
    MaxFluidTemp   REAL NOT NULL,
    UNIQUE (CoilFamily, CoilLink)
);
CREATE INDEX CoilByFamily ON Coil(CoilFamily, PowerClass);

-- Every valve with every coil that fits it (checks.sql makes sure part numbers are unique).
CREATE TABLE PartNumber (
    PNId       INTEGER PRIMARY KEY,
    ValveId    INTEGER NOT NULL REFERENCES Valve(ValveId),
    CoilId     INTEGER NOT NULL REFERENCES Coil(CoilId),
    CompletePN TEXT NOT NULL
);
CREATE INDEX PartByValve ON PartNumber(ValveId, CoilId);

-- The part number list's own rows: per part number what the list shows of its coil and the
-- limits and links that depend on the coil, so the list reads a valve's candidates as one
-- run of rows (PNId from the valve's FirstPNId to LastPNId) with no lookup per row. The
-- valve's own columns come from Valve once per valve. MaxFluidTemp and the MOPD columns are
-- those of the part (body, seal and coil class; the coil's current).
CREATE TABLE PartListRow (
    PNId            INTEGER PRIMARY KEY REFERENCES PartNumber(PNId),
    CompletePN      TEXT NOT NULL,
    AcDcText        TEXT NOT NULL,
    WattageText     TEXT NOT NULL,
    CoilClsLinkText TEXT NOT NULL,
    ApprovLinkText  TEXT NOT NULL,
    -- empty for on/off coils
    ControlSigText  TEXT NOT NULL,
    MaxFluidTemp    REAL NOT NULL,
    MOPD_GAS        REAL NOT NULL,
    MOPD_LIQ        REAL NOT NULL,
    MOPD_OIL        REAL NOT NULL,
    CoilClsLink     TEXT NOT NULL,
    ApprovLink      TEXT NOT NULL,
    ControlSigLink  TEXT NOT NULL,
    OpEnvLink       TEXT NOT NULL,
    AcDcLink        TEXT NOT NULL,
    VoltLink        TEXT NOT NULL,
    SolConstLink    TEXT NOT NULL,
    TermLink        TEXT NOT NULL,
    EncloseLink     TEXT NOT NULL
);

-- The filter options of a valve's coils when no coil is chosen: one row per coil class,
-- approval and control signal a valve's part numbers offer, with the best differential of
-- their currents. The fluid temperature limit depends on the coil class only, so a group
-- passes the list's limits exactly when one of its part numbers does.
CREATE TABLE PartOptionGroup (
    ValveId        INTEGER NOT NULL REFERENCES Valve(ValveId),
    CoilClsLink    TEXT NOT NULL,
    ApprovLink     TEXT NOT NULL,
    ControlSigLink TEXT NOT NULL,
    MaxFluidTemp   REAL NOT NULL,
    MOPD_GAS       REAL NOT NULL,
    MOPD_LIQ       REAL NOT NULL,
    MOPD_OIL       REAL NOT NULL,
    PRIMARY KEY (ValveId, CoilClsLink, ApprovLink, ControlSigLink)
) WITHOUT ROWID;

-- A part with its valve and coil attributes; the MOPD columns are those of the part's own
-- current, the fluid temperature limits those of body, seal and coil class together.
CREATE VIEW PartView AS
SELECT p.PNId, p.CompletePN, v.MinFluidTemp, MIN(v.MatMaxTemp, c.MaxFluidTemp) AS MaxFluidTemp,
       v.ValveId, v.ValveNumberLink, v.SufxLink, v.SeriesLink, v.FuncLink, v.FloPatLink,
       v.FloPatOptLink, v.ActLink, v.BMaterialLink, v.SMaterialLink, v.ConTypeLink,
       v.ConSizeLink, v.OrificeLink, v.Cv, v.MinOPD, v.MaxInPress, v.VolFlowMax,
       CASE c.AcDcLink WHEN 'DC' THEN v.MOPD_GAS_DC ELSE v.MOPD_GAS_AC END AS MOPD_GAS,
       CASE c.AcDcLink WHEN 'DC' THEN v.MOPD_LIQ_DC ELSE v.MOPD_LIQ_AC END AS MOPD_LIQ,
       CASE c.AcDcLink WHEN 'DC' THEN v.MOPD_OIL_DC ELSE v.MOPD_OIL_AC END AS MOPD_OIL,
       v.BodyCode, v.ConTypeCode, v.SealCode, v.OptionCode, v.CoilFamily, v.PowerClass,
       c.CoilId, c.CoilBase, c.CoilLink, c.AcDcLink, c.VoltLink, c.CoilClsLink, c.ClassCode,
       c.HousingCode, c.TermCode, c.SolConstLink,
       c.TermLink, c.EncloseLink, c.OpEnvLink, c.ApprovLink, c.ControlSigLink, c.WattageText
-- Every caller narrows the valves first (valve type, series); CROSS JOIN keeps the engine
-- from scanning all part numbers instead.
FROM Valve v
CROSS JOIN PartNumber p ON p.ValveId = v.ValveId
CROSS JOIN Coil c ON c.CoilId = p.CoilId;

-- A voltage with its current, for texts shown apart from the current (descriptions, the
-- tools' voltage lists): the text the Solenoid step's summary makes of the two.
CREATE VIEW VoltageWithCurrent AS
SELECT v.VoltLink, v.VoltOrder, v.VoltDefault, v.VoltLinkText || ' ' || c.AcDcText AS VoltText
FROM Voltage v
JOIN CurrentType c ON c.AcDcLink = v.AcDcLink;

-- Descriptions composed from the language's texts with the patterns of QueryText. The
-- lookups are LEFT JOINs (their rows always exist) so that a query reading one description
-- reads them last.
CREATE VIEW ValveDescription AS
SELECT v.ValveId,
       printf((SELECT Text FROM QueryText WHERE TextKey = 'ValveDescription'),
              f.FuncLinkText, p.FloPatLinkText, a.ActLinkText, b.BMaterialLinkText,
              s.ConSizeLinkText, c.ConTypeLinkText, r.OrificeLinkText, l.SMaterialLinkText)
       || CASE WHEN v.FloPatOptLink = 'NOOPT' THEN '' ELSE ', ' || o.FloPatOptLinkText END
           AS Description
FROM Valve v
LEFT JOIN FunctionType f ON f.FuncLink = v.FuncLink
LEFT JOIN FlowPattern p ON p.FloPatLink = v.FloPatLink
LEFT JOIN FlowPatternOption o ON o.FloPatLink = v.FloPatLink AND o.FloPatOptLink = v.FloPatOptLink
LEFT JOIN Actuation a ON a.ActLink = v.ActLink
LEFT JOIN BodyMaterial b ON b.BMaterialLink = v.BMaterialLink
LEFT JOIN PortSize s ON s.ConSizeLink = v.ConSizeLink
LEFT JOIN ConnectionType c ON c.ConTypeLink = v.ConTypeLink
LEFT JOIN Orifice r ON r.OrificeLink = v.OrificeLink
LEFT JOIN Seal l ON l.SMaterialLink = v.SMaterialLink;

CREATE VIEW CoilDescription AS
SELECT c.CoilId,
       printf((SELECT Text FROM QueryText WHERE TextKey = 'CoilDescription'),
              vo.VoltText, cc.CoilClsLinkText, sc.SolConstLinkText, t.TermLinkText, c.WattageText)
       || CASE WHEN c.ControlSigLink = 'NA' THEN '' ELSE ', ' || cs.ControlSigText END AS Description
FROM Coil c
LEFT JOIN VoltageWithCurrent vo ON vo.VoltLink = c.VoltLink
LEFT JOIN CoilClass cc ON cc.CoilClsLink = c.CoilClsLink
LEFT JOIN SolConstruction sc ON sc.SolConstLink = c.SolConstLink
LEFT JOIN Termination t ON t.TermLink = c.TermLink
LEFT JOIN ControlSignal cs ON cs.ControlSigLink = c.ControlSigLink;
