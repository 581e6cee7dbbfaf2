#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "FileKinds.h"
#include "base/Archive.h"
#include "model/ValveData.h"

namespace fs = std::filesystem;

namespace {

using veritom::test::CliRun;

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("veritom-cli-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }

    // Runs morvane-cli with arguments; prefix goes before the command, e.g. to run it as
    // another user.
    CliRun Run(const std::vector<std::string>& args, const std::string& prefix = "") const {
        return veritom::test::RunCliIn(m_dir.string(), args, {}, prefix);
    }

    std::string ReadFile(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void WriteFile(const std::string& path, const std::string& bytes) const {
        std::ofstream(path, std::ios::binary) << bytes;
    }

private:
    fs::path m_dir;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

TEST_F(CliTest, ConvertReportsFailureByExitStatus) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {{"convert", "212", "DEG_F", "DEG_C"}, 0, "100\n", ""},
        {{"convert", "0", "PSIG", "PSIA"}, 0, "14.69438647\n", ""},
        {{"convert", "5", "ODD", "ODD"}, 0, "5\n", ""},
        {{"convert", "1", "IN_HG", "PSIA"}, 1, "", "These units are incompatible IN_HG PSIA\n"},
        {{"convert", "1", "FURLONG", "M"}, 1, "", "Unit Not Found  FURLONG\n"},
        {{"convert", "ten", "M", "MM"}, 1, "", "morvane-cli convert: not a number: ten\n"},
        {{"format", "2.0", "3", "0", "1"}, 0, "2\n", ""},
        {{"format", "2.0", "3", "0", "0"}, 0, "2.0\n", ""},
        {{"format", "1.5", "17", "1", "0"}, 0, "1.50000000000000000\n", ""},
    };
    for (const Case& c : cases) {
        const CliRun outcome = Run(c.args);
        EXPECT_EQ(outcome.status, c.status) << c.args[0] << ' ' << c.args[1];
        EXPECT_EQ(outcome.out, c.out) << c.args[0] << ' ' << c.args[1];
        EXPECT_EQ(outcome.err, c.err) << c.args[0] << ' ' << c.args[1];
    }
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"format", "2", "3", "yes", "0"},
          {"format", "2", "-1", "0", "0"},
          {"format", "1.5", "18", "0", "0"},
          {"format", "1.5", "2147483647", "0", "0"},  // once asked for gigabytes of digits
          {"convert", "1", "M"}}) {
        const CliRun outcome = Run(bad);
        EXPECT_EQ(outcome.status, 1) << bad[0];
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err, "");
    }
}

TEST_F(CliTest, UnitsListsTheCatalogueInOrder) {
    const CliRun outcome = Run({"units"});
    EXPECT_EQ(outcome.status, 0);
    const auto lines = Lines(outcome.out);
    ASSERT_EQ(lines.size(), 82u);
    EXPECT_EQ(lines[2], "DEG_C\tTemperature\t°C\t1.8\t32");
    EXPECT_EQ(lines[11], "PSIG\tPressure\tpsig\t6894.757\t101314.224");
}

TEST_F(CliTest, NewRecordDumpsAndReports) {
    const std::string file = PathOf("new.rec");
    ASSERT_EQ(Run({"record-new", file}).status, 0);

    const CliRun dump = Run({"record-dump", file});
    EXPECT_EQ(dump.status, 0) << dump.err;
    const auto lines = Lines(dump.out);
    ASSERT_EQ(lines.size(), 129u);
    EXPECT_EQ(lines[0], "1\tFunctionTypeVAL\t");
    EXPECT_EQ(lines[8], "9\tBMaterialLinkText\tUndecided");
    EXPECT_EQ(lines[20], "21\tChkBxFlags\t0xFFFFFD59");
    EXPECT_EQ(lines[34], "35\tApp_MOPDVAL\t100\tPSIG\tApp_MOPDUnitVAL");
    EXPECT_EQ(lines[77], "58.20\tPNListState\t0");
    EXPECT_EQ(lines[128], "88\tPN_FlowFactorUnitVAL\t");

    const CliRun report = Run({"record-report", file});
    EXPECT_EQ(report.status, 0) << report.err;
    const auto reportLines = Lines(report.out);
    EXPECT_EQ(reportLines.size(), 103u);
    EXPECT_NE(std::find(reportLines.begin(), reportLines.end(), "App_MOPDUnitVAL\tpsig"),
              reportLines.end());
    EXPECT_TRUE(std::is_sorted(reportLines.begin(), reportLines.end()));
}

TEST_F(CliTest, DamagedRecordStreamsFailWithAMessage) {
    const std::string good = PathOf("good.rec");
    ASSERT_EQ(Run({"record-new", good}).status, 0);
    const std::string bytes = ReadFile(good);
    const std::string truncated = PathOf("truncated.rec");
    WriteFile(truncated, bytes.substr(0, bytes.size() - 1));
    const std::string longer = PathOf("longer.rec");
    WriteFile(longer, bytes + '\0');
    for (const std::string command : {"record-dump", "record-report"}) {
        for (const std::string& file : {truncated, longer, PathOf("missing.rec")}) {
            const CliRun outcome = Run({command, file});
            EXPECT_EQ(outcome.status, 1) << command << ' ' << file;
            EXPECT_EQ(outcome.out, "") << command << ' ' << file;
            EXPECT_NE(outcome.err.find(file), std::string::npos) << outcome.err;
        }
    }
}

TEST_F(CliTest, RecordCommandsRefuseWhatIsNotARegularFile) {
    veritom::test::FileKinds files;
    for (const std::string command : {"record-dump", "record-report"}) {
        for (const std::string& path : {files.Folder(), files.Fifo(), files.Device()}) {
            const CliRun outcome = Run({command, path});
            EXPECT_EQ(outcome.status, 1) << command << ' ' << path;
            EXPECT_EQ(outcome.out, "");
            EXPECT_EQ(outcome.err, "morvane-cli " + command + ": " + path +
                                       " is a folder, a device or a pipe, not a file.\n");
        }
        const auto unprivileged = veritom::test::FileKinds::UnprivilegedPrefix();
        if (!unprivileged) {
            continue;
        }
        const CliRun outcome = Run({command, files.Unreadable()}, *unprivileged);
        EXPECT_EQ(outcome.status, 1) << command;
        EXPECT_EQ(outcome.err,
                  "morvane-cli " + command + ": Access to " + files.Unreadable() + " is denied.\n");
    }
}

TEST_F(CliTest, RecordNewNeverWritesThroughALinkPlantedBesideTheFile) {
    const std::string file = PathOf("new.rec");
    const std::string victim = PathOf("victim.txt");
    WriteFile(victim, "keep me");
    fs::create_symlink(victim, file + ".part");
    ASSERT_EQ(Run({"record-new", file}).status, 0);
    EXPECT_EQ(ReadFile(victim), "keep me");
    EXPECT_EQ(Run({"record-dump", file}).status, 0);
}

// A copy of a record puts default key names back; the dump must show the stream's own.
TEST_F(CliTest, RecordDumpShowsTheKeyNamesTheStreamHolds) {
    veritom::CProd_ValveData record;
    record.m_FunctionTypeVAL.Set("", "2-Way");
    record.m_FluidVAL.Set("", "Air");
    record.m_App_MOPDVAL.Set(250, "PSIG", "", "");
    veritom::CArchive ar;
    record.Serialize(ar);
    const std::string file = PathOf("empty keys.rec");
    WriteFile(file, std::string(ar.Bytes().begin(), ar.Bytes().end()));

    const CliRun dump = Run({"record-dump", file});
    ASSERT_EQ(dump.status, 0) << dump.err;
    const auto lines = Lines(dump.out);
    ASSERT_EQ(lines.size(), 129u);
    EXPECT_EQ(lines[0], "1\t\t2-Way");
    EXPECT_EQ(lines[25], "26\t\tAir");
    EXPECT_EQ(lines[34], "35\t\t250\tPSIG\t");
    EXPECT_EQ(lines[1], "2\tFuncLink\t");
}
