#pragma once

// String table ids of the tools.
namespace veritom::ids {

// Unit Conversion (dialog 309).
inline constexpr int kUnitConversionTitle = 28000;
inline constexpr int kUnitConversionCategory = 28001;
inline constexpr int kUnitConversionValue = 28002;
inline constexpr int kUnitConversionFrom = 28003;
inline constexpr int kUnitConversionTo = 28004;
inline constexpr int kUnitConversionResult = 28005;
inline constexpr int kUnitConversionOk = 28006;

// Progress display: the line callers show while a dialog loads its lists.
inline constexpr int kLoadingData = 308;  // "Loading Data . . ."

// The product's name as the tools show and send it.
inline constexpr int kApplicationName = 246;  // "Morvane Valve"

// Rapid selection: the series dialog (113) and the part number dialog (1175).
inline constexpr int kRapidSeriesTitle = 28400;
inline constexpr int kRapidSeriesLabel = 28401;
inline constexpr int kRapidTitle = 28402;
inline constexpr int kRapidBuildComplete = 28403;
inline constexpr int kRapidBuildValve = 28404;
inline constexpr int kRapidBuildSolenoid = 28405;
inline constexpr int kButtonAddToOrderPad = 28406;
inline constexpr int kButtonDone = 28407;
inline constexpr int kButtonBack = 28408;
inline constexpr int kRapidPartNumberLabel = 28409;
inline constexpr int kRapidDescriptionLabel = 28410;
inline constexpr int kRapidFieldsSkipped = 28411;  // "... field numbers %s ..."
inline constexpr int kRapidBuildGroup = 28412;
inline constexpr int kRapidSegmentsGroup = 28413;

// Competitor part number interchange (dialog 1177).
inline constexpr int kInterchangeTitle = 28420;
inline constexpr int kInterchangeCompetitor = 28421;
inline constexpr int kInterchangePartNumberEdit = 28422;
inline constexpr int kInterchangeDivision = 28423;
inline constexpr int kInterchangeVoltage = 28424;
inline constexpr int kInterchangeAnswerPartNumber = 28425;
inline constexpr int kInterchangeAnswerDescription = 28426;
inline constexpr int kInterchangeExceptions = 28427;
inline constexpr int kInterchangePartList = 28428;

// Start-up screens: disclaimer, welcome, tip of the day and About.
inline constexpr int kDisclaimerTitle = 252;    // "Veritom Morvane Valve Disclaimer"
inline constexpr int kDisclaimerHeading = 254;  // "Veldor Safety Guide for ..."
inline constexpr int kDisclaimerText = 298;     // the rich text of the language bundle
inline constexpr int kAboutTitle = 248;         // "About Veritom Morvane Valve"
inline constexpr int kTipHeading = 126;         // "Did you know..."
inline constexpr int kTipsFileMissing = 127;    // "Tips file does not exist in the ..."
inline constexpr int kTipsFileTrouble = 130;    // "Trouble reading the tips file"
inline constexpr int kTipCtrlNote = 132;        // shown by Next Tip with Ctrl held
inline constexpr int kDisclaimerDanger = 28440;
inline constexpr int kButtonAccept = 28441;
inline constexpr int kButtonDecline = 28442;
inline constexpr int kDisclaimerTextMissing = 28443;
inline constexpr int kWelcomeTitle = 28444;
inline constexpr int kTipTitle = 28446;
inline constexpr int kTipShowOnStartup = 28447;
inline constexpr int kTipNext = 28448;
inline constexpr int kTipClose = 28449;
inline constexpr int kTipsFileEmpty = 28450;
inline constexpr int kAboutVersion = 28451;  // "Version %s"
inline constexpr int kAboutBuilt = 28452;    // "Built on %s"
inline constexpr int kAboutProduct = 28453;  // "Veritom %s"
inline constexpr int kAboutMaker = 28454;
inline constexpr int kWelcomeHeading = 28455;

// Order pad export.
inline constexpr int kAddToOrderFailed = 28500;      // "Add to Order Failed!"
inline constexpr int kOpenOrderPadFailed = 28501;    // "Open OrderPad Failed!"
inline constexpr int kOrderPadNotInstalled = 28502;  // program path
inline constexpr int kOrderPadNotStarted = 28503;    // program path
inline constexpr int kOrderPadNoAnswer = 28504;      // seconds waited
inline constexpr int kOrderPadRefused = 28505;       // the order pad's reason
inline constexpr int kOrderPadNotSaved = 28506;      // the order pad's reason
inline constexpr int kOrderPadNotConfirmed = 28507;
inline constexpr int kCompoundTooDeep = 28603;
inline constexpr int kCompoundElementUnreadable = 28604;
inline constexpr int kCompoundStreamUnreadable = 28605;  // stream path

// Selection report.
inline constexpr int kSoftwareVersion = 314;            // "3.0"
inline constexpr int kReportViewerTitle = 315;          // "Selection Report Viewer"
inline constexpr int kMonthJanuary = 989;               // to 1000, "December"
inline constexpr int kReportLibraryMissing = 28550;     // library name
inline constexpr int kReportEntryPointMissing = 28551;  // library name, entry point
inline constexpr int kReportNoPrinter = 28552;
inline constexpr int kReportFailed = 28553;          // the library's result code
inline constexpr int kReportFileNotWritten = 28600;  // PDF file path

}  // namespace veritom::ids
