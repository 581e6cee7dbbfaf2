#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "tools/report/ReportDate.h"
#include "tools/report/ReportLibrary.h"
#include "units/ReportMap.h"

namespace veritom {

class CProd_ValveData;
class IDatabase;

// What a report is made of: the selection and where the program's own entries come from.
struct ReportSource {
    // The valve selection record; nullptr when nothing is selected.
    const CProd_ValveData* record = nullptr;
    // The selection database for the labels and the warning; nullptr or closed: none.
    IDatabase* database = nullptr;
    // The LocalPath directory, whose Graphics folder the report draws pictures from.
    std::string localPath;
    // The application's registry key path, where the report library keeps its settings.
    std::string registryKeyPath;
};

// The selection report: builds the report map of a selection, adds the program's own entries
// and hands the map to the report library, printed or in its viewer window. The map is
// emptied after each report.
class CSelectionReport {
public:
    using Clock = std::function<std::tm()>;

    explicit CSelectionReport(IReportLibrary& library, Clock clock = LocalTimeNow);

    // File, Print, Selection (with the print dialog) and print direct (without).
    bool Print(const ReportSource& source, bool showPrintDialog);
    // View, Selection Report.
    bool Preview(const ReportSource& source);

    const CReportMap& GetReportMap() const { return m_map; }

    // The labels and values of the record, then GRAPHICSPATH, WarningVAL, SoftwareVersionVAL
    // and ReportDateVAL.
    static void FillReportMap(const ReportSource& source, const std::tm& now, CReportMap& map);

    // What the user is told about an outcome; empty when done or cancelled.
    static std::string FailureText(const ReportOutcome& outcome);

private:
    bool Report(const ReportSource& source, bool preview, bool showPrintDialog);

    IReportLibrary& m_library;
    Clock m_clock;
    CReportMap m_map;
};

}  // namespace veritom
