#pragma once

#include <string>

#include "units/ReportMap.h"

namespace veritom {

enum class ReportStatus {
    Done,
    Cancelled,          // the user closed the print dialog
    LibraryMissing,     // detail: the library's name
    EntryPointMissing,  // detail: the library's name; entryPoint: the missing one
    NoPrinter,
    Failed,  // code: the library's result
};

struct ReportOutcome {
    ReportStatus status = ReportStatus::Done;
    std::string detail;
    std::string entryPoint;
    int code = 0;
};

// The outside report library: it lays the report map out, prints it or shows it in its
// viewer window. Both calls return when the library is done.
class IReportLibrary {
public:
    virtual ~IReportLibrary() = default;
    virtual ReportOutcome Print(const CReportMap& map, const std::string& registryKeyPath,
                                bool showPrintDialog, const std::string& title) = 0;
    virtual ReportOutcome PrintPreview(const CReportMap& map, const std::string& registryKeyPath,
                                       const std::string& title) = 0;
};

}  // namespace veritom
