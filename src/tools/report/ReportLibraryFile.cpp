#include "ReportLibraryFile.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>

#include "tools/report/ReportAbi.h"
#include "tools/report/ReportMapView.h"

namespace veritom {

namespace {

constexpr const char* kLibraryName = "libveritomreport.so";

// QT_QPA_PLATFORM=offscreen while the library runs, unless the caller chose a platform.
class OffscreenUnlessChosen {
public:
    OffscreenUnlessChosen() {
        const char* chosen = std::getenv("QT_QPA_PLATFORM");
        if (!chosen || !*chosen) {
            m_set = ::setenv("QT_QPA_PLATFORM", "offscreen", 1) == 0;
        }
    }
    ~OffscreenUnlessChosen() {
        if (m_set) {
            ::unsetenv("QT_QPA_PLATFORM");
        }
    }
    OffscreenUnlessChosen(const OffscreenUnlessChosen&) = delete;
    OffscreenUnlessChosen& operator=(const OffscreenUnlessChosen&) = delete;

private:
    bool m_set = false;
};

ReportOutcome OutcomeOf(int result) {
    switch (result) {
        case VERITOM_REPORT_DONE:
            return {ReportStatus::Done};
        case VERITOM_REPORT_CANCELLED:
            return {ReportStatus::Cancelled};
        case VERITOM_REPORT_NO_PRINTER:
            return {ReportStatus::NoPrinter};
        default:
            break;
    }
    return {ReportStatus::Failed, {}, {}, result};
}

}  // namespace

CReportLibraryFile::CReportLibraryFile(std::string fileName) : m_fileName(std::move(fileName)) {}

std::string CReportLibraryFile::DefaultFileName() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::canonical("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path installed =
            program.parent_path().parent_path() / "lib" / kLibraryName;
        if (std::filesystem::is_regular_file(installed, error)) {
            return installed.string();
        }
    }
    return kLibraryName;
}

void* CReportLibraryFile::Resolve(const char* entryPoint, ReportOutcome& outcome) {
    if (!m_handle) {
        // Never closed: Qt, once started inside, leaves handlers that must outlive the call.
        m_handle = ::dlopen(m_fileName.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
        if (!m_handle) {
            outcome = {ReportStatus::LibraryMissing, m_fileName};
            return nullptr;
        }
    }
    void* function = ::dlsym(m_handle, entryPoint);
    if (!function) {
        outcome = {ReportStatus::EntryPointMissing, m_fileName, entryPoint};
    }
    return function;
}

ReportOutcome CReportLibraryFile::PrintToFile(const CReportMap& map,
                                              const std::string& registryKeyPath,
                                              const std::string& title,
                                              const std::string& pdfPath) {
    ReportOutcome outcome;
    const auto print =
        reinterpret_cast<VeritomReportPrintToFileFunction>(Resolve("PrintToFile", outcome));
    if (!print) {
        return outcome;
    }
    const OffscreenUnlessChosen platform;
    const CReportMapView view(map);
    return OutcomeOf(print(view.Get(), registryKeyPath.c_str(), VERITOM_REPORT_MAP_LAYOUT,
                           title.c_str(), pdfPath.c_str()));
}

}  // namespace veritom
