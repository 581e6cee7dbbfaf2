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
inline constexpr int kProgressLoadingData = 308;  // "Loading Data . . ."

// Order pad export.
inline constexpr int kAddToOrderFailed = 28500;      // "Add to Order Failed!"
inline constexpr int kOpenOrderPadFailed = 28501;    // "Open OrderPad Failed!"
inline constexpr int kOrderPadNotInstalled = 28502;  // program path
inline constexpr int kOrderPadNotStarted = 28503;    // program path
inline constexpr int kOrderPadNoAnswer = 28504;      // seconds waited
inline constexpr int kOrderPadRefused = 28505;       // the order pad's reason
inline constexpr int kOrderPadNotSaved = 28506;      // the order pad's reason
inline constexpr int kOrderPadNotConfirmed = 28507;

// Selection report.
inline constexpr int kSoftwareVersion = 314;            // "3.0"
inline constexpr int kReportViewerTitle = 315;          // "Selection Report Viewer"
inline constexpr int kMonthJanuary = 989;               // to 1000, "December"
inline constexpr int kReportLibraryMissing = 28550;     // library name
inline constexpr int kReportEntryPointMissing = 28551;  // library name, entry point
inline constexpr int kReportNoPrinter = 28552;
inline constexpr int kReportFailed = 28553;  // the library's result code

}  // namespace veritom::ids
