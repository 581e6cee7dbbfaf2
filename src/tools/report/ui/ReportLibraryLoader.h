#pragma once

#include <QLibrary>
#include <QString>

#include "tools/report/ReportLibrary.h"

namespace veritom {

// The report library libveritomreport.so, loaded on first use with QLibrary; its entry points
// Print and PrintPreview are resolved by name. A library or entry point that cannot be found
// is a failure with its name, never a crash.
class CReportLibraryLoader : public IReportLibrary {
public:
    // The installation's library: <program dir>/../lib/libveritomreport.so when present, else
    // "veritomreport" as the system's library search finds it.
    CReportLibraryLoader();
    explicit CReportLibraryLoader(QString fileName);

    static QString DefaultFileName();

    ReportOutcome Print(const CReportMap& map, const std::string& registryKeyPath,
                        bool showPrintDialog, const std::string& title) override;
    ReportOutcome PrintPreview(const CReportMap& map, const std::string& registryKeyPath,
                               const std::string& title) override;

private:
    // The entry point, or nothing with outcome saying why.
    QFunctionPointer Resolve(const char* entryPoint, ReportOutcome& outcome);

    QLibrary m_library;
};

}  // namespace veritom
