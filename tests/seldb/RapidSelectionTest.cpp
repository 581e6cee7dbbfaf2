// Rapid selection walked as its dialog walks it: for every series and build type, each active
// segment is filled with the codes of the earlier active segments, and the final query builds
// a part number from all of them.
#include <gtest/gtest.h>

#include "MessageRecorder.h"
#include "StagedDatabase.h"
#include "base/Format.h"

namespace veritom::test {
namespace {

struct Segment {
    int field = 0;
    std::string state;
    std::string query;
};

// "[parCode050]", "Code050" for field 50; "[parCode120]", "Code120" for field 120.
std::string CodeName(const char* prefix, int field) {
    return Format(field < 100 ? "%s0%d" : "%s%d", prefix, field);
}

struct Walk {
    std::string partNumber;
    std::string description;
    int singleLineSegments = 0;
    int disabledSegments = 0;
    int highestField = 0;
};

// Fills the segments in order, choosing the line at position pick (or the last) each time.
Walk WalkBuildType(IDatabase& db, const std::string& series, const std::string& type, size_t pick) {
    Walk walk;
    const Params typeParams =
        Params{{"[parDesignSeriesLink]", series}} + Params{{"[parRapSelChoiceLink]", type}};
    std::vector<Segment> segments;
    for (const Row& row : RunQuery(db, "qRap_FieldHeadings_And_State", typeParams)) {
        Segment segment{static_cast<int>(Number(row, "RapSelFieldNum")),
                        Text(row, "FieldDisplayState"), ""};
        walk.highestField = std::max(walk.highestField, segment.field);
        EXPECT_FALSE(Text(row, "RapSelFieldHeading").empty()) << segment.field;
        if (segment.state == "0") {
            ++walk.disabledSegments;
            continue;
        }
        const auto query = RunQuery(
            db, "qRap_GetQuery",
            typeParams + Params{{"[parRapSelFieldNum]", static_cast<std::int16_t>(segment.field)}});
        EXPECT_EQ(query.size(), 1u) << "segment " << segment.field;
        if (query.size() == 1) {
            segment.query = Text(query[0], "Query");
            segments.push_back(segment);
        }
    }

    Params codes = {{"[parDesignSeriesLink]", series}};
    for (const Segment& segment : segments) {
        const auto lines = RunQuery(db, segment.query, codes);
        EXPECT_FALSE(lines.empty()) << series << " " << type << " segment " << segment.field;
        if (lines.empty()) {
            return walk;
        }
        walk.singleLineSegments += lines.size() == 1 ? 1 : 0;
        const Row& chosen = lines[std::min(pick, lines.size() - 1)];
        EXPECT_FALSE(Text(chosen, CodeName("Text", segment.field)).empty());
        codes = codes + Params{{CodeName("[parCode", segment.field) + "]",
                                Text(chosen, CodeName("Code", segment.field))}};
    }

    const auto final = RunQuery(db, "qRap_GetQuery",
                                typeParams + Params{{"[parRapSelFieldNum]", std::int16_t{999}}});
    EXPECT_EQ(final.size(), 1u);
    if (final.size() != 1) {
        return walk;
    }
    const auto built = RunQuery(db, Text(final[0], "Query"),
                                codes + Params{{"[parRapSelChoiceLink]", type},
                                               {"[ValvePartNumber.NoteLink]", std::string()},
                                               {"[SolenoidPartNumber.Notes]", std::string()}});
    if (!built.empty()) {
        walk.partNumber = Text(built[0], "PartNumber");
        walk.description = Text(built[0], "PNDescription");
    }
    return walk;
}

TEST(RapidSelection, EverySeriesAndBuildTypeBuildsAPartNumber) {
    for (const std::string language : {"EN", "DE"}) {
        ASSERT_TRUE(CStagedDatabase::Exists(language));
        MessageRecorder recorder;
        CStagedDatabase staged(language);
        IDatabase& db = staged.Db();

        const auto count = RunQuery(db, "qRap_SelSeries_Count", {});
        const auto series = RunQuery(db, "qRap_SelSeries", {});
        ASSERT_GE(series.size(), 2u);
        EXPECT_EQ(Number(count.at(0), "RapSelSeriesCount"), static_cast<double>(series.size()));

        int singleLine = 0;
        int disabled = 0;
        int highest = 0;
        std::set<std::string> types;
        for (const Row& row : series) {
            const std::string link = Text(row, "DesignSeriesLink");
            for (const Row& type :
                 RunQuery(db, "qRap_PNTypeAvail", {{"[parDesignSeriesLink]", link}})) {
                const std::string pnType = Text(type, "PNType");
                types.insert(pnType);
                EXPECT_FALSE(
                    RunQuery(db, "qGetImage", {{"[parImageName]", Text(type, "ImageName")}})
                        .empty());
                for (size_t pick : {size_t{0}, size_t{99}}) {
                    SCOPED_TRACE(language + " " + link + " " + pnType);
                    const Walk walk = WalkBuildType(db, link, pnType, pick);
                    EXPECT_EQ(walk.partNumber.rfind(pnType == "Solenoid" ? "C" : link, 0), 0u)
                        << walk.partNumber;
                    EXPECT_FALSE(walk.description.empty());
                    singleLine += walk.singleLineSegments;
                    disabled += walk.disabledSegments;
                    highest = std::max(highest, walk.highestField);
                }
            }
        }
        EXPECT_EQ(types, (std::set<std::string>{"ValveAssembly", "Valve", "Solenoid"}));
        EXPECT_GT(singleLine, 0) << "a segment that always yields one line";
        EXPECT_GT(disabled, 0) << "a segment in display state 0";
        EXPECT_GE(highest, 100) << "a field number of 100 or more";
    }
}

// Both languages build the same part number from the same codes; only the texts differ.
TEST(RapidSelection, LanguagesAgreeOnPartNumbersAndDifferInTexts) {
    MessageRecorder recorder;
    CStagedDatabase english("EN");
    CStagedDatabase german("DE");
    const Walk en = WalkBuildType(english.Db(), "K21", "ValveAssembly", 1);
    const Walk de = WalkBuildType(german.Db(), "K21", "ValveAssembly", 1);
    EXPECT_FALSE(en.partNumber.empty());
    EXPECT_EQ(en.partNumber, de.partNumber);
    EXPECT_NE(en.description, de.description);
}

// A note given for the valve is carried into the description.
TEST(RapidSelection, NotesAreAppendedToTheDescription) {
    MessageRecorder recorder;
    CStagedDatabase staged("EN");
    const Params codes = {{"[parDesignSeriesLink]", std::string("K21")},
                          {"[parRapSelChoiceLink]", std::string("Valve")},
                          {"[ValvePartNumber.NoteLink]", std::string("tagged")},
                          {"[SolenoidPartNumber.Notes]", std::string()},
                          {"[parCode020]", std::string("B")},
                          {"[parCode030]", std::string("N")},
                          {"[parCode040]", std::string("08")},
                          {"[parCode050]", std::string("040")},
                          {"[parCode060]", std::string("V")},
                          {"[parCode070]", std::string("M")}};
    const auto built = RunQuery(staged.Db(), "qRap_V_PartNumber", codes);
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(Text(built[0], "PartNumber"), "K21BN08040VM");
    const std::string description = Text(built[0], "PNDescription");
    EXPECT_EQ(description.substr(description.size() - 9), " (tagged)");
}

}  // namespace
}  // namespace veritom::test
