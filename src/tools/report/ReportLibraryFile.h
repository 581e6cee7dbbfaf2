#pragma once

#include <string>

#include "tools/report/ReportLibrary.h"
#include "units/ReportMap.h"

namespace veritom {

// The report library libveritomreport.so for a program without Qt: opened with dlopen on first
// use, it writes the report of a map as a PDF file through its entry point PrintToFile (the
// library runs Qt itself, offscreen unless QT_QPA_PLATFORM names a platform). A library or
// entry point that cannot be found is a failure with its name, never a crash.
class CReportLibraryFile {
public:
    explicit CReportLibraryFile(std::string fileName);
    CReportLibraryFile(const CReportLibraryFile&) = delete;
    CReportLibraryFile& operator=(const CReportLibraryFile&) = delete;

    // The installation's library beside the running program, <program dir>/../lib/
    // libveritomreport.so, when present; else the bare name for the system's library search.
    static std::string DefaultFileName();

    ReportOutcome PrintToFile(const CReportMap& map, const std::string& registryKeyPath,
                              const std::string& title, const std::string& pdfPath);

private:
    // The entry point, or nullptr with outcome saying why.
    void* Resolve(const char* entryPoint, ReportOutcome& outcome);

    std::string m_fileName;
    void* m_handle = nullptr;
};

}  // namespace veritom
