// morvane-cli candidates: the list the Part Number dialog shows for a selection file.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

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

struct Outcome {
    int status = -1;
    std::vector<std::string> lines;
    std::string err;
};

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

    Outcome Run(const std::string& arguments) {
        const std::string errFile = (m_dir / "stderr.txt").string();
        const std::string command = "'" VERITOM_STAGE_DIR "/bin/morvane-cli' candidates " +
                                    arguments + " --db '" + kDatabase + "' 2>'" + errFile + "'";
        Outcome outcome;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe) {
            ADD_FAILURE() << "cannot run " << command;
            return outcome;
        }
        std::string out;
        char buffer[65536];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            out.append(buffer, got);
        }
        const int status = ::pclose(pipe);
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);) {
            outcome.lines.push_back(line);
        }
        std::ifstream err(errFile);
        outcome.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
        return outcome;
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

    const Outcome all = Run("'" + file + "'");
    ASSERT_EQ(all.status, 0) << all.err;
    ASSERT_EQ(all.lines.size(), selection.RowCount() + 1);
    std::vector<std::string> titles;
    for (const int column : selection.Columns()) {
        titles.push_back(selection.ColumnTitle(column));
    }
    EXPECT_EQ(Split(all.lines[0], '\t'), titles);
    EXPECT_EQ(Split(all.lines[1], '\t')[0], selection.CellText(0, C::kPartNumber));

    const Outcome count = Run("'" + file + "' --count");
    EXPECT_EQ(count.lines, (std::vector<std::string>{std::to_string(selection.RowCount())}));

    // A filter by link, then the MOPD column (display position 6) sorted ascending.
    const Outcome brass = Run("'" + file + "' --filter 0=BR --sort 6:asc --csv");
    ASSERT_EQ(brass.status, 0) << brass.err;
    ASSERT_GT(brass.lines.size(), 2u);
    EXPECT_EQ(brass.lines[0].back(), '\r');
    double previous = -1;
    for (std::size_t i = 1; i < brass.lines.size(); ++i) {
        const std::vector<std::string> fields = Split(brass.lines[i], ',');
        EXPECT_EQ(fields[1], "Brass") << brass.lines[i];
        const double mopd = std::stod(fields[6]);
        EXPECT_GE(mopd, previous);
        previous = mopd;
    }
    EXPECT_LT(brass.lines.size(), all.lines.size());
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

    const Outcome saved = Run("'" + file + "'");
    ASSERT_EQ(saved.status, 0) << saved.err;
    ASSERT_EQ(saved.lines.size(), selection.RowCount() + 1);
    for (std::size_t i = 0; i < selection.RowCount(); i += 97) {
        EXPECT_EQ(Split(saved.lines[i + 1], '\t')[0], selection.CellText(i, C::kPartNumber)) << i;
    }
    // All 32,704 candidates without the question; a numeric filter in a unit of its own.
    EXPECT_EQ(Run("'" + file + "' --filter 6=ALL --count").lines,
              (std::vector<std::string>{"32704"}));
    const Outcome colder = Run("'" + file + "' --filter 6=ALL --filter 2=-30:DEG_C --count");
    ASSERT_EQ(colder.status, 0) << colder.err;
    EXPECT_LT(std::stoi(colder.lines.at(0)), 32704);

    const std::string quoted = "'" + file + "'";
    const std::vector<std::string> refused = {"",
                                              "--count",
                                              quoted + " --sort x",
                                              quoted + " --sort 2:up",
                                              quoted + " --filter 12=X",
                                              quoted + " --csv --count",
                                              quoted + " --frobnicate"};
    for (const std::string& arguments : refused) {
        const Outcome outcome = Run(arguments);
        EXPECT_EQ(outcome.status, 1) << arguments;
        EXPECT_NE(outcome.err.find("usage: morvane-cli candidates"), std::string::npos)
            << arguments;
    }
    const Outcome unknown = Run("'" + file + "' --filter 0=GOLD");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("filter 0 offers no GOLD"), std::string::npos) << unknown.err;
    const Outcome beyond = Run("'" + file + "' --sort 40");
    EXPECT_EQ(beyond.status, 1);
    const Outcome missing = Run("'" + (m_dir / "none.mrv").string() + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("could not be read"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace veritom
