#include "SelectionReport.h"

#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/Paths.h"
#include "base/StringTable.h"
#include "data/CatalogueMessage.h"
#include "data/Database.h"
#include "model/ValveObject.h"
#include "tools/report/ReportDate.h"
#include "tools/ToolStrings.h"

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
    ShowFailure(outcome);
    return outcome.status == ReportStatus::Done;
}

void CSelectionReport::ShowFailure(const ReportOutcome& outcome) {
    switch (outcome.status) {
        case ReportStatus::LibraryMissing:
            MessageBox(Format(LoadString(ids::kReportLibraryMissing), outcome.detail));
            break;
        case ReportStatus::EntryPointMissing:
            MessageBox(Format(LoadString(ids::kReportEntryPointMissing), outcome.detail,
                              outcome.entryPoint));
            break;
        case ReportStatus::NoPrinter:
            MessageBox(LoadString(ids::kReportNoPrinter));
            break;
        case ReportStatus::Failed:
            MessageBox(Format(LoadString(ids::kReportFailed), outcome.code));
            break;
        case ReportStatus::Done:
        case ReportStatus::Cancelled:
            break;
    }
}

}  // namespace veritom
