// Rapid selection walked as its dialog walks it, on the staged selection database and on
// copies of it with deliberate faults.
#include <gtest/gtest.h>

#include <functional>

#include "MessageRecorder.h"
#include "ToolDatabase.h"
#include "tools/rapid/RapidSelection.h"
#include "tools/rapid/RapidSeries.h"

namespace veritom::test {
namespace {

using Kind = CRapidSelection::Step::Kind;
using State = CRapidSelection::SegmentState;

// Runs the dialog's requests until the walk waits for the user or ends; choose picks a line
// wherever several are offered (-1 stops there). Returns the segments filled, in order.
std::vector<int> Drive(CRapidSelection& rapid, CRapidSelection::Step step,
                       const std::function<int(int segment)>& choose) {
    std::vector<int> filled;
    while (step.kind != Kind::Nothing) {
        switch (step.kind) {
            case Kind::Fill:
                filled.push_back(step.segment);
                step = rapid.Fill(step.segment);
                break;
            case Kind::AwaitChoice: {
                const int line = choose(step.segment);
                if (line < 0) {
                    return filled;
                }
                step = rapid.Choose(step.segment, line);
                break;
            }
            case Kind::Build:
                rapid.BuildPartNumber();
                return filled;
            case Kind::Nothing:
                break;
        }
    }
    return filled;
}

int FirstLine(int) {
    return 0;
}

// Picks the line whose code is the next of codes, one for each segment that offers a choice.
std::function<int(int)> Codes(const CRapidSelection& rapid, std::vector<std::string> codes) {
    auto next = std::make_shared<std::size_t>(0);
    return [&rapid, codes, next](int segment) {
        const auto& lines = rapid.Lines(segment);
        for (std::size_t i = 0; *next < codes.size() && i < lines.size(); ++i) {
            if (lines[i].code == codes[*next]) {
                ++*next;
                return static_cast<int>(i);
            }
        }
        return -1;
    };
}

class RapidSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CToolDatabase::Exists()) {
            GTEST_SKIP() << "the selection database has not been built";
        }
    }
    MessageRecorder m_messages;
};

TEST_F(RapidSelectionTest, FieldNumbersNameSegmentsAndParameters) {
    struct Case {
        int field;
        int segment;
        const char* param;
        const char* code;
    };
    for (const Case& c :
         {Case{10, 0, "[parCode010]", "Code010"}, Case{50, 4, "[parCode050]", "Code050"},
          Case{90, 8, "[parCode090]", "Code090"}, Case{100, 9, "[parCode100]", "Code100"},
          Case{120, 11, "[parCode120]", "Code120"}, Case{180, 17, "[parCode180]", "Code180"}}) {
        EXPECT_EQ(RapidSegmentOfField(c.field), c.segment) << c.field;
        EXPECT_EQ(RapidCodeParam(c.field), c.param);
        EXPECT_EQ(RapidCodeField(c.field), c.code);
    }
    EXPECT_EQ(RapidTextField(50), "Text050");
    EXPECT_EQ(RapidTextField(110), "Text110");
    // Only multiples of 10 from 10 to 180 index the 18 segments.
    for (int field : {0, -10, 5, 45, 95, 185, 190, 999}) {
        EXPECT_EQ(RapidSegmentOfField(field), -1) << field;
    }
}

TEST_F(RapidSelectionTest, StartDependsOnTheNumberOfSeries) {
    struct Case {
        const char* changes;
        CRapidStart::Kind kind;
        const char* series;
    };
    for (const Case& c : {Case{"", CRapidStart::Kind::ChooseSeries, ""},
                          Case{"DELETE FROM RapidSeriesType WHERE DesignSeriesLink <> 'K20';"
                               "DELETE FROM RapidSeries WHERE DesignSeriesLink <> 'K20';",
                               CRapidStart::Kind::OneSeries, "K20"},
                          Case{"DELETE FROM RapidSeriesType; DELETE FROM RapidSeries;",
                               CRapidStart::Kind::NoSeries, ""}}) {
        SCOPED_TRACE(c.changes);
        CToolDatabase db(c.changes);
        ASSERT_EQ(db.Error(), "");
        const CRapidStart start = DecideRapidStart(db.Db());
        EXPECT_EQ(start.kind, c.kind);
        EXPECT_EQ(start.seriesLink, c.series);
    }
    CToolDatabase db;
    const auto series = LoadRapidSeries(db.Db());
    ASSERT_EQ(series.size(), 3u);
    EXPECT_EQ(series[1].link, "K21");
    EXPECT_EQ(series[1].text.rfind("K21 - ", 0), 0u);
}

// Every build type of every series builds a part number with the first code of every list;
// on the way the series segment stays disabled and unfilled, some segments choose their only
// code by themselves, and the complete valve sends codes of fields 100 and above.
TEST_F(RapidSelectionTest, EveryBuildTypeOfEverySeriesBuildsAPartNumber) {
    CToolDatabase db;
    int singleLineSegments = 0;
    for (const auto& series : LoadRapidSeries(db.Db())) {
        CRapidSelection rapid(db.Db(), series.link);
        const auto first = rapid.Load();
        ASSERT_EQ(first.kind, Kind::Fill) << series.link;
        EXPECT_EQ(rapid.GetBuildType(), CRapidSelection::kComplete);
        for (int type : {CRapidSelection::kComplete, CRapidSelection::kValveOnly,
                         CRapidSelection::kSolenoidOnly}) {
            if (!rapid.IsBuildTypeAvailable(type)) {
                EXPECT_EQ(series.link, "K30");
                EXPECT_EQ(type, CRapidSelection::kSolenoidOnly);
                continue;
            }
            SCOPED_TRACE(series.link + " " + std::to_string(type));
            auto step = rapid.SetBuildType(type);
            if (type == CRapidSelection::kComplete) {
                rapid.ClearFrom(0);
                step = {Kind::Fill, rapid.FirstActiveSegment()};
            }
            EXPECT_TRUE(rapid.GetBuildTypePicture().has_value());
            const std::vector<int> filled = Drive(rapid, step, FirstLine);
            EXPECT_EQ(rapid.State(0), State::Disabled);
            EXPECT_TRUE(rapid.Lines(0).empty());
            EXPECT_EQ(filled.front(), rapid.FirstActiveSegment());
            for (int k = 0; k < kRapidSegmentCount; ++k) {
                if (rapid.Segment(k).IsActive()) {
                    EXPECT_EQ(rapid.State(k), State::Chosen) << k;
                    singleLineSegments += rapid.Lines(k).size() == 1 ? 1 : 0;
                } else if (k > 0) {
                    EXPECT_EQ(rapid.State(k), State::Hidden) << k;
                }
            }
            ASSERT_TRUE(rapid.CanAddToOrderPad());
            EXPECT_EQ(rapid.PartNumber().rfind(
                          type == CRapidSelection::kSolenoidOnly ? "C" : series.link, 0),
                      0u)
                << rapid.PartNumber();
            EXPECT_FALSE(rapid.Description().empty());
            if (type != CRapidSelection::kValveOnly) {
                EXPECT_EQ(rapid.Segment(11).field, 120);
                EXPECT_EQ(rapid.State(11), State::Chosen);
            }
        }
    }
    EXPECT_GT(singleLineSegments, 0);
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(RapidSelectionTest, KnownCodesBuildTheKnownPartNumberForTheOrderPad) {
    CToolDatabase db;
    CRapidSelection rapid(db.Db(), "K21");
    rapid.Load();
    const auto step = rapid.SetBuildType(CRapidSelection::kValveOnly);
    EXPECT_EQ(step.kind, Kind::Fill);
    EXPECT_EQ(step.segment, 1);  // field 20: field 10 is shown disabled
    Drive(rapid, step, Codes(rapid, {"B", "N", "08", "V", "M"}));
    // The orifice offers one code (040) and takes it by itself.
    EXPECT_EQ(rapid.Lines(4).size(), 1u);
    EXPECT_EQ(rapid.PartNumber(), "K21BN08040VM");
    const COrderPadLine line = rapid.OrderLine();
    EXPECT_EQ(line.partNumber, "K21BN08040VM");
    EXPECT_EQ(line.division, "Morvane Valve");
    EXPECT_EQ(line.description, rapid.Description());
}

// A choice, a new build type or an empty final answer never leaves an old part number
// orderable.
TEST_F(RapidSelectionTest, ChangesDropThePartNumber) {
    CToolDatabase db;
    CRapidSelection rapid(db.Db(), "K21");
    const auto built = [&] {
        rapid.ClearFrom(0);
        Drive(rapid, {Kind::Fill, rapid.FirstActiveSegment()}, FirstLine);
        ASSERT_TRUE(rapid.CanAddToOrderPad());
    };
    rapid.Load();
    rapid.SetBuildType(CRapidSelection::kValveOnly);

    built();
    // The same line again changes nothing.
    EXPECT_EQ(rapid.Choose(1, rapid.Selected(1)).kind, Kind::Nothing);
    EXPECT_TRUE(rapid.CanAddToOrderPad());

    // Another line early on clears every later segment and the part number.
    const auto step = rapid.Choose(1, 1);
    EXPECT_EQ(step.kind, Kind::Fill);
    EXPECT_EQ(step.segment, 2);
    EXPECT_FALSE(rapid.CanAddToOrderPad());
    EXPECT_EQ(rapid.PartNumber(), "");
    EXPECT_EQ(rapid.Description(), "");
    for (int k = 2; k < kRapidSegmentCount; ++k) {
        EXPECT_TRUE(rapid.Lines(k).empty()) << k;
        EXPECT_EQ(rapid.Selected(k), -1) << k;
    }
    // A later segment cannot be filled before the ones it depends on.
    EXPECT_EQ(rapid.Fill(3).kind, Kind::Nothing);
    EXPECT_TRUE(rapid.Lines(3).empty());

    built();
    EXPECT_EQ(rapid.SetBuildType(CRapidSelection::kComplete).kind, Kind::Fill);
    EXPECT_FALSE(rapid.CanAddToOrderPad());
    EXPECT_EQ(rapid.Description(), "");

    built();
    rapid.ClearFrom(5);
    EXPECT_FALSE(rapid.CanAddToOrderPad());
    EXPECT_FALSE(rapid.Lines(1).empty());
}

TEST_F(RapidSelectionTest, AFinalQueryWithoutARecordLeavesNothingToOrder) {
    CToolDatabase db(
        "UPDATE StoredQueries SET Sql = replace(Sql, 'ORDER BY', 'AND 0 ORDER BY') "
        "WHERE Name = 'qRap_V_PartNumber';");
    ASSERT_EQ(db.Error(), "");
    CRapidSelection rapid(db.Db(), "K21");
    rapid.Load();
    Drive(rapid, rapid.SetBuildType(CRapidSelection::kValveOnly), FirstLine);
    EXPECT_EQ(rapid.State(6), State::Chosen);
    EXPECT_FALSE(rapid.BuildPartNumber());
    EXPECT_FALSE(rapid.CanAddToOrderPad());
    EXPECT_EQ(rapid.OrderLine().partNumber, "");
}

TEST_F(RapidSelectionTest, FieldNumbersOutsideTheSegmentsAreSkippedAndReportedOnce) {
    CToolDatabase db(
        "INSERT INTO RapidField VALUES ('Valve', 45, '1', 'qRap_Valve_Body', 'Odd');"
        "INSERT INTO RapidField VALUES ('ValveAssembly', 45, '1', 'qRap_Valve_Body', 'Odd');"
        "INSERT INTO RapidField VALUES ('Valve', 190, '1', 'qRap_Valve_Body', 'Far');"
        "INSERT INTO RapidField VALUES ('Solenoid', 0, '1', 'qRap_Valve_Body', 'Zero');");
    ASSERT_EQ(db.Error(), "");
    CRapidSelection rapid(db.Db(), "K21");
    rapid.Load();
    EXPECT_EQ(rapid.SkippedFields(), (std::set<int>{0, 45, 190}));
    EXPECT_EQ(rapid.SkippedFieldsNotice(),
              "The selection database names part number segments that rapid selection cannot show "
              "(field numbers 0, 45, 190). These segments are left out.");
    // The segments that fit still build the part number.
    Drive(rapid, rapid.SetBuildType(CRapidSelection::kValveOnly),
          Codes(rapid, {"B", "N", "08", "V", "M"}));
    EXPECT_EQ(rapid.PartNumber(), "K21BN08040VM");

    CToolDatabase staged;
    CRapidSelection clean(staged.Db(), "K21");
    clean.Load();
    EXPECT_FALSE(clean.SkippedFieldsNotice().has_value());
}

TEST_F(RapidSelectionTest, ASeriesThatOffersNothingToBuild) {
    CToolDatabase db("DELETE FROM RapidSeriesType WHERE DesignSeriesLink = 'K30';");
    ASSERT_EQ(db.Error(), "");
    CRapidSelection rapid(db.Db(), "K30");
    EXPECT_EQ(rapid.Load().kind, Kind::Nothing);
    EXPECT_EQ(rapid.GetBuildType(), CRapidSelection::kNoBuildType);
    for (int k = 0; k < kRapidSegmentCount; ++k) {
        EXPECT_EQ(rapid.State(k), State::Hidden);
        EXPECT_EQ(rapid.Fill(k).kind, Kind::Nothing);
    }
    EXPECT_EQ(rapid.SetBuildType(CRapidSelection::kComplete).kind, Kind::Nothing);
    EXPECT_FALSE(rapid.BuildPartNumber());
    EXPECT_FALSE(rapid.GetBuildTypePicture().has_value());
}

// The German database walks the same codes to the same part number with German texts.
TEST_F(RapidSelectionTest, TheGermanDatabaseBuildsTheSamePartNumber) {
    CToolDatabase english;
    CToolDatabase german("", "DE");
    std::string descriptions[2];
    std::string numbers[2];
    CToolDatabase* dbs[] = {&english, &german};
    for (int i = 0; i < 2; ++i) {
        CRapidSelection rapid(dbs[i]->Db(), "K20");
        rapid.Load();
        Drive(rapid, rapid.SetBuildType(CRapidSelection::kSolenoidOnly), FirstLine);
        numbers[i] = rapid.PartNumber();
        descriptions[i] = rapid.Description();
    }
    EXPECT_EQ(numbers[0], "CMF1L-024A6");
    EXPECT_EQ(numbers[1], numbers[0]);
    EXPECT_NE(descriptions[1], descriptions[0]);
}

}  // namespace
}  // namespace veritom::test
