// morvane-cli candidates: the list the Part Number dialog shows for a selection file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "CliRunner.h"
#include "MessageRecorder.h"
#include "SampleRecords.h"
#include "app/NerithObject.h"
#include "app/SelectionFile.h"
#include "base/FileIo.h"
#include "data/Database.h"
#include "data/LanguageSource.h"
#include "model/ValveObject.h"
#include "wizard/partnumber/PartNumberSelection.h"

namespace veritom {
namespace {

namespace fs = std::filesystem;
using S = CPartNumberSelection;
using C = CColumnTable;

const std::string kShare = VERITOM_STAGE_DIR "/share/veritom";
const std::string kDatabase = kShare + "/MorvaneEN.mdb";

class English : public ILanguageSource {
public:
    std::string GetLanguageCode() const override { return "EN"; }
};

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, separator);) {
        fields.push_back(field);
    }
    return fields;
}

class CliCandidates : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kDatabase)) {
            GTEST_SKIP() << "the selection database has not been built";
        }
        m_dir = fs::temp_directory_path() / ("pn-cli-" + std::to_string(std::random_device{}()));
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    std::string Save(const CProd_ValveData& record, const std::string& name) {
        CProd_ValveObject workflow(CNerithObject::kButtonCount);
        workflow.GetValveData() = record;
        CSelectionFileHeader header;
        header.languageCode = "EN";
        const std::string path = (m_dir / name).string();
        EXPECT_TRUE(WriteFileReplacing(path, StoreSelectionFile(header, {}, workflow)).Ok());
        return path;
    }

    test::CliRun Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "candidates");
        arguments.insert(arguments.end(), {"--db", kDatabase});
        return test::RunCliIn(m_dir.string(), arguments);
    }

    fs::path m_dir;
};

TEST_F(CliCandidates, PrintsTheListTheDialogShows) {
    const CProd_ValveData record = test::CatalogDataWithCoil();
    const std::string file = Save(record, "with coil.mrv");

    test::MessageRecorder messages;
    English language;
    IDatabase db(language);
    ASSERT_TRUE(db.Open(kShare, "Morvane", false, true, ""));
    S selection(db, record);
    ASSERT_EQ(selection.Open(), S::OpenResult::Ready);
    ASSERT_EQ(selection.Update(), S::UpdateResult::Listed);

    const test::CliRun all = Run({file});
    ASSERT_EQ(all.status, 0) << all.err;
    ASSERT_EQ(all.Lines().size(), selection.RowCount() + 1);
    std::vector<std::string> titles;
    for (const int column : selection.Columns()) {
        titles.push_back(selection.ColumnTitle(column));
    }
    EXPECT_EQ(Split(all.Lines()[0], '\t'), titles);
    EXPECT_EQ(Split(all.Lines()[1], '\t')[0], selection.CellText(0, C::kPartNumber));

    const test::CliRun count = Run({file, "--count"});
    EXPECT_EQ(count.Lines(), (std::vector<std::string>{std::to_string(selection.RowCount())}));

    // A filter by link, then the MOPD column (display position 6) sorted ascending.
    const test::CliRun brass = Run({file, "--filter", "0=BR", "--sort", "6:asc", "--csv"});
    ASSERT_EQ(brass.status, 0) << brass.err;
    ASSERT_GT(brass.Lines().size(), 2u);
    EXPECT_EQ(brass.Lines()[0].back(), '\r');
    double previous = -1;
    for (std::size_t i = 1; i < brass.Lines().size(); ++i) {
        const std::vector<std::string> fields = Split(brass.Lines()[i], ',');
        EXPECT_EQ(fields[1], "Brass") << brass.Lines()[i];
        const double mopd = std::stod(fields[6]);
        EXPECT_GE(mopd, previous);
        previous = mopd;
    }
    EXPECT_LT(brass.Lines().size(), all.Lines().size());
}

TEST_F(CliCandidates, RestoresTheRecordsFiltersAndSortAndRefusesBadArguments) {
    test::MessageRecorder messages;
    English language;
    IDatabase db(language);
    ASSERT_TRUE(db.Open(kShare, "Morvane", false, true, ""));
    CProd_ValveData record = test::CalculatedSizeWithoutCoil();
    S selection(db, record);
    ASSERT_EQ(selection.Open(), S::OpenResult::Ready);
    selection.SelectByLink(S::kSealMaterial, "EPDM");
    ASSERT_EQ(selection.Update(), S::UpdateResult::Listed);
    selection.SortByColumn(C::kPort, 0);
    const std::int64_t row = selection.SortByColumn(C::kMinOPD, 3);
    ASSERT_TRUE(selection.Accept(row, record));
    const std::string file = Save(record, "sorted.mrv");

    const test::CliRun saved = Run({file});
    ASSERT_EQ(saved.status, 0) << saved.err;
    ASSERT_EQ(saved.Lines().size(), selection.RowCount() + 1);
    for (std::size_t i = 0; i < selection.RowCount(); i += 97) {
        EXPECT_EQ(Split(saved.Lines()[i + 1], '\t')[0], selection.CellText(i, C::kPartNumber)) << i;
    }
    // All 32,704 candidates without the question; a numeric filter in a unit of its own.
    EXPECT_EQ(Run({file, "--filter", "6=ALL", "--count"}).Lines(),
              (std::vector<std::string>{"32704"}));
    const test::CliRun colder =
        Run({file, "--filter", "6=ALL", "--filter", "2=-30:DEG_C", "--count"});
    ASSERT_EQ(colder.status, 0) << colder.err;
    EXPECT_LT(std::stoi(colder.Lines().at(0)), 32704);

    const std::vector<std::vector<std::string>> refused = {{},
                                                           {"--count"},
                                                           {file, "--sort", "x"},
                                                           {file, "--sort", "2:up"},
                                                           {file, "--filter", "12=X"},
                                                           {file, "--csv", "--count"},
                                                           {file, "--frobnicate"}};
    for (const std::vector<std::string>& arguments : refused) {
        const test::CliRun outcome = Run(arguments);
        EXPECT_EQ(outcome.status, 1) << ::testing::PrintToString(arguments);
        EXPECT_NE(outcome.err.find("usage: morvane-cli candidates"), std::string::npos)
            << ::testing::PrintToString(arguments);
    }
    const test::CliRun unknown = Run({file, "--filter", "0=GOLD"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("filter 0 offers no GOLD"), std::string::npos) << unknown.err;
    const test::CliRun beyond = Run({file, "--sort", "40"});
    EXPECT_EQ(beyond.status, 1);
    const test::CliRun missing = Run({(m_dir / "none.mrv").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("could not be read"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace veritom
