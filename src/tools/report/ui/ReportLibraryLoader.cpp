#include "tools/report/ui/ReportLibraryLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "tools/report/ReportAbi.h"
#include "tools/report/ReportMapView.h"

namespace veritom {

namespace {

constexpr int kCopies = 1;

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

CReportLibraryLoader::CReportLibraryLoader() : CReportLibraryLoader(DefaultFileName()) {}

CReportLibraryLoader::CReportLibraryLoader(QString fileName) : m_library(std::move(fileName)) {}

QString CReportLibraryLoader::DefaultFileName() {
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/../lib/libveritomreport.so"));
    return QFileInfo::exists(installed) ? installed : QStringLiteral("veritomreport");
}

QFunctionPointer CReportLibraryLoader::Resolve(const char* entryPoint, ReportOutcome& outcome) {
    if (!m_library.isLoaded() && !m_library.load()) {
        outcome = {ReportStatus::LibraryMissing, m_library.fileName().toStdString()};
        return nullptr;
    }
    QFunctionPointer function = m_library.resolve(entryPoint);
    if (!function) {
        outcome = {ReportStatus::EntryPointMissing, m_library.fileName().toStdString(), entryPoint};
    }
    return function;
}

ReportOutcome CReportLibraryLoader::Print(const CReportMap& map, const std::string& registryKeyPath,
                                          bool showPrintDialog, const std::string& title) {
    ReportOutcome outcome;
    const auto print = reinterpret_cast<VeritomReportPrintFunction>(Resolve("Print", outcome));
    if (!print) {
        return outcome;
    }
    const CReportMapView view(map);
    return OutcomeOf(print(view.Get(), registryKeyPath.c_str(), VERITOM_REPORT_MAP_LAYOUT,
                           showPrintDialog ? 1 : 0, kCopies, title.c_str()));
}

ReportOutcome CReportLibraryLoader::PrintPreview(const CReportMap& map,
                                                 const std::string& registryKeyPath,
                                                 const std::string& title) {
    ReportOutcome outcome;
    const auto preview =
        reinterpret_cast<VeritomReportPreviewFunction>(Resolve("PrintPreview", outcome));
    if (!preview) {
        return outcome;
    }
    const CReportMapView view(map);
    return OutcomeOf(preview(view.Get(), registryKeyPath.c_str(), VERITOM_REPORT_MAP_LAYOUT,
                             kCopies, title.c_str()));
}

}  // namespace veritom
