#include "SelectionReport.h"

#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/Paths.h"
#include "base/StringTable.h"
#include "data/CatalogueMessage.h"
#include "data/Database.h"
#include "model/ValveObject.h"
#include "tools/ToolStrings.h"
#include "tools/report/ReportDate.h"

namespace veritom {

namespace {

void AddProgramEntry(CReportMap& map, const std::string& key, std::string value) {
    if (!key.empty()) {
        map[key] = {std::move(value)};
    }
}

std::string WarningText(IDatabase* database) {
    if (!database || !database->IsOpen()) {
        return {};
    }
    return LookupCatalogueMessage(*database, "WarningVAL").value_or("");
}

}  // namespace

CSelectionReport::CSelectionReport(IReportLibrary& library, Clock clock)
    : m_library(library), m_clock(std::move(clock)) {}

bool CSelectionReport::Print(const ReportSource& source, bool showPrintDialog) {
    return Report(source, false, showPrintDialog);
}

bool CSelectionReport::Preview(const ReportSource& source) {
    return Report(source, true, true);
}

void CSelectionReport::FillReportMap(const ReportSource& source, const std::tm& now,
                                     CReportMap& map) {
    CProd_ValveObject::BuildReportMap(source.database, *source.record, map);
    AddProgramEntry(map, "GRAPHICSPATH", JoinPath(JoinPath(source.localPath, "Graphics"), ""));
    AddProgramEntry(map, "WarningVAL", WarningText(source.database));
    AddProgramEntry(map, "SoftwareVersionVAL", LoadString(ids::kSoftwareVersion));
    AddProgramEntry(map, "ReportDateVAL", FormatReportDate(now));
}

bool CSelectionReport::Report(const ReportSource& source, bool preview, bool showPrintDialog) {
    if (!source.record) {
        Messages().Beep();
        return false;
    }
    m_map.clear();
    FillReportMap(source, m_clock(), m_map);
    const std::string title = LoadString(ids::kReportViewerTitle);
    const ReportOutcome outcome =
        preview ? m_library.PrintPreview(m_map, source.registryKeyPath, title)
                : m_library.Print(m_map, source.registryKeyPath, showPrintDialog, title);
    m_map.clear();
    if (const std::string failure = FailureText(outcome); !failure.empty()) {
        MessageBox(failure);
    }
    return outcome.status == ReportStatus::Done;
}

std::string CSelectionReport::FailureText(const ReportOutcome& outcome) {
    switch (outcome.status) {
        case ReportStatus::LibraryMissing:
            return Format(LoadString(ids::kReportLibraryMissing), outcome.detail);
        case ReportStatus::EntryPointMissing:
            return Format(LoadString(ids::kReportEntryPointMissing), outcome.detail,
                          outcome.entryPoint);
        case ReportStatus::NoPrinter:
            return LoadString(ids::kReportNoPrinter);
        case ReportStatus::Failed:
            return Format(LoadString(ids::kReportFailed), outcome.code);
        case ReportStatus::Done:
        case ReportStatus::Cancelled:
            break;
    }
    return {};
}

}  // namespace veritom
