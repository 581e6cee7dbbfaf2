#pragma once

// String table ids of the selection report.
namespace veritom::ids {

inline constexpr int kSoftwareVersion = 314;            // "3.0"
inline constexpr int kReportViewerTitle = 315;          // "Selection Report Viewer"
inline constexpr int kMonthJanuary = 989;               // to 1000, "December"
inline constexpr int kReportLibraryMissing = 28450;     // library name
inline constexpr int kReportEntryPointMissing = 28451;  // library name, entry point
inline constexpr int kReportNoPrinter = 28452;
inline constexpr int kReportFailed = 28453;  // the library's result code

}  // namespace veritom::ids
