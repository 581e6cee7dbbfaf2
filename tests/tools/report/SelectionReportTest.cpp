#include <gtest/gtest.h>

#include "FakeReportLibrary.h"
#include "FixtureDatabase.h"
#include "MessageRecorder.h"
#include "data/Database.h"
#include "data/LanguageSource.h"
#include "model/ValveData.h"
#include "tools/report/ReportDate.h"
#include "tools/report/ReportMapView.h"
#include "tools/report/SelectionReport.h"

namespace veritom {
namespace {

using Texts = std::vector<std::string>;
const std::string kAppKey = "Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion";

std::tm LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

class English : public ILanguageSource {
public:
    std::string GetLanguageCode() const override { return "EN"; }
};

// The fixture database with the catalogue message of the report's warning.
class ReportDatabase {
public:
    explicit ReportDatabase(bool withWarning) : m_db(m_language) {
        m_fixture.Run(
            "CREATE TABLE Messages(MessageLink TEXT, MessageLinkText TEXT);"
            "INSERT INTO StoredQueries VALUES ('qGetMessages', 'SELECT MessageLinkText FROM "
            "Messages WHERE MessageLink = :parMessageLink');");
        if (withWarning) {
            m_fixture.Run(
                "INSERT INTO Messages VALUES ('WarningVAL', 'WARNING: Check the valve.');");
        }
        m_db.OpenFile(m_fixture.File(), false, true, "");
    }
    IDatabase& Get() { return m_db; }

private:
    test::FixtureDatabase m_fixture;
    English m_language;
    IDatabase m_db;
};

CProd_ValveData SampleRecord() {
    CProd_ValveData record;
    record.m_FunctionTypeVAL = std::string("2-Way Normally Closed");
    record.m_FuncLink = std::string("2NC");
    record.m_FluidVAL = std::string("Water");
    return record;
}

TEST(ReportDate, MonthNameDayYearAndTimeWithTwoDigits) {
    const std::pair<std::tm, std::string> rows[] = {
        {LocalTime(2001, 3, 3, 9, 5, 7), "March 3 2001 - 09:05:07"},
        {LocalTime(1999, 12, 31, 23, 59, 59), "December 31 1999 - 23:59:59"},
        {LocalTime(2024, 1, 1, 0, 0, 0), "January 1 2024 - 00:00:00"},
    };
    for (const auto& [time, text] : rows) {
        EXPECT_EQ(FormatReportDate(time), text);
    }
}

TEST(SelectionReport, MapHoldsLabelsValuesAndTheProgramsOwnEntries) {
    ReportDatabase database(true);
    ASSERT_TRUE(database.Get().IsOpen());
    const CProd_ValveData record = SampleRecord();
    CReportMap map;
    CSelectionReport::FillReportMap(
        {&record, &database.Get(), "/home/ann/Documents/Morvane", kAppKey},
        LocalTime(2001, 3, 3, 9, 5, 7), map);

    EXPECT_EQ(map["FunctionTypeVAL"], (Texts{"Function Type", "2-Way Normally Closed"}));
    EXPECT_EQ(map["FluidVAL"], (Texts{"Fluid", "Water"}));
    // An empty label contributes no label; a label alone stays alone.
    EXPECT_EQ(map["FuncLink"], (Texts{"2NC"}));
    EXPECT_EQ(map["OnlyALabel"], (Texts{"Label Without Value"}));
    // The program's own keys hold exactly their value.
    EXPECT_EQ(map["GRAPHICSPATH"], (Texts{"/home/ann/Documents/Morvane/Graphics/"}));
    EXPECT_EQ(map["WarningVAL"], (Texts{"WARNING: Check the valve."}));
    EXPECT_EQ(map["SoftwareVersionVAL"], (Texts{"3.0"}));
    EXPECT_EQ(map["ReportDateVAL"], (Texts{"March 3 2001 - 09:05:07"}));
}

TEST(SelectionReport, WithoutWarningMessageOrDatabaseTheWarningIsEmpty) {
    const CProd_ValveData record = SampleRecord();
    {
        ReportDatabase database(false);
        CReportMap map;
        CSelectionReport::FillReportMap({&record, &database.Get(), "/l/", kAppKey},
                                        LocalTime(2001, 3, 3, 9, 5, 7), map);
        EXPECT_EQ(map["WarningVAL"], (Texts{""}));
        EXPECT_EQ(map["GRAPHICSPATH"], (Texts{"/l/Graphics/"}));
    }
    {
        CReportMap map;
        CSelectionReport::FillReportMap({&record, nullptr, "/l", kAppKey},
                                        LocalTime(2001, 3, 3, 9, 5, 7), map);
        EXPECT_EQ(map["WarningVAL"], (Texts{""}));
        EXPECT_EQ(map["FluidVAL"], (Texts{"Water"}));
    }
}

TEST(SelectionReport, NothingSelectedBeepsAndReportsNothing) {
    test::MessageRecorder messages;
    test::FakeReportLibrary library;
    CSelectionReport report(library);
    EXPECT_FALSE(report.Preview({nullptr, nullptr, "/l", kAppKey}));
    EXPECT_FALSE(report.Print({nullptr, nullptr, "/l", kAppKey}, true));
    EXPECT_TRUE(library.calls.empty());
    EXPECT_EQ(messages.beeps, 2);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(SelectionReport, PrintAndPreviewHandTheMapOverAndEmptyIt) {
    test::MessageRecorder messages;
    ReportDatabase database(true);
    test::FakeReportLibrary library;
    CSelectionReport report(library, [] { return LocalTime(2001, 3, 3, 9, 5, 7); });
    const CProd_ValveData record = SampleRecord();
    const ReportSource source{&record, &database.Get(), "/l", kAppKey};

    EXPECT_TRUE(report.Print(source, true));
    EXPECT_TRUE(report.GetReportMap().empty());
    EXPECT_TRUE(report.Print(source, false));
    EXPECT_TRUE(report.Preview(source));
    EXPECT_TRUE(report.GetReportMap().empty());

    ASSERT_EQ(library.calls.size(), 3u);
    EXPECT_EQ(library.calls[0].entryPoint, "Print");
    EXPECT_TRUE(library.calls[0].showPrintDialog);
    EXPECT_FALSE(library.calls[1].showPrintDialog);
    EXPECT_EQ(library.calls[2].entryPoint, "PrintPreview");
    for (const auto& call : library.calls) {
        EXPECT_EQ(call.title, "Selection Report Viewer");
        EXPECT_EQ(call.registryKeyPath, kAppKey);
        EXPECT_EQ(call.map.at("ReportDateVAL"), (Texts{"March 3 2001 - 09:05:07"}));
        // Reports in a row do not accumulate entries.
        EXPECT_EQ(call.map, library.calls[0].map);
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(SelectionReport, LibraryFailuresAreExplained) {
    struct Row {
        ReportOutcome outcome;
        Texts boxes;
        bool done;
    };
    const Row rows[] = {
        {{ReportStatus::Done}, {}, true},
        {{ReportStatus::Cancelled}, {}, false},
        {{ReportStatus::LibraryMissing, "libveritomreport.so"},
         {"The report library libveritomreport.so cannot be loaded.  The selection report "
          "cannot be shown or printed."},
         false},
        {{ReportStatus::EntryPointMissing, "/s/lib/libveritomreport.so", "PrintPreview"},
         {"The report library /s/lib/libveritomreport.so has no entry point \"PrintPreview\".  "
          "The selection report cannot be shown or printed."},
         false},
        {{ReportStatus::NoPrinter},
         {"The selection report was not printed: no printer is available."},
         false},
        {{ReportStatus::Failed, "", "", -3},
         {"The report library could not make the selection report (error -3)."},
         false},
    };
    const CProd_ValveData record = SampleRecord();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.boxes.empty() ? "no message" : row.boxes[0]);
        test::MessageRecorder messages;
        test::FakeReportLibrary library;
        library.outcomes.push_back(row.outcome);
        CSelectionReport report(library);
        EXPECT_EQ(report.Preview({&record, nullptr, "/l", kAppKey}), row.done);
        EXPECT_EQ(messages.Texts(), row.boxes);
        EXPECT_TRUE(report.GetReportMap().empty());
    }
}

TEST(ReportMapView, EveryKeyWithItsTextsInOrder) {
    const CReportMap map{{"A", {"Label", "one", "two"}}, {"B", {}}, {"C", {"ä"}}};
    const CReportMapView view(map);
    const VeritomReportMap* c = view.Get();
    ASSERT_EQ(c->entryCount, 3);
    CReportMap back;
    for (int i = 0; i < c->entryCount; ++i) {
        Texts texts(c->entries[i].texts, c->entries[i].texts + c->entries[i].textCount);
        back[c->entries[i].key] = texts;
    }
    EXPECT_EQ(back, map);
}

}  // namespace
}  // namespace veritom
