#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CliRunner.h"
#include "TestDatabase.h"

using veritom::test::CliRun;
using veritom::test::TempDir;

namespace {

class CliQuery : public ::testing::Test {
protected:
    void SetUp() override { veritom::test::WriteSampleDatabase(m_db); }

    // Runs morvane-cli with arguments and environment ("NAME=value" each).
    CliRun Cli(const std::vector<std::string>& arguments,
               const std::vector<std::string>& environment = {}) {
        return veritom::test::RunCliIn(m_dir.Path().string(), arguments, environment);
    }

    TempDir m_dir;
    std::string m_db = m_dir.File("Sample.mdb");
};

}  // namespace

TEST_F(CliQuery, PrintsHeaderAndOneTabSeparatedLineARecord) {
    const CliRun run = Cli({"query", "--db", m_db, "qKinds", "[parId]=int16:1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Id\tSmall\tWhole\tSingle\tDbl\tFlag\tMoney\tStamp\tName\tPic\tLoose\n"
              "1\t-2\t70000\t0.1000000015\t2.5\ttrue\t12.3456\t2024-03-05 06:07:08\tFirst\t"
              "<3 bytes>\tloose text\n");
    const CliRun nulls = Cli({"query", "--db=" + m_db, "qKinds", "[parId]=int16:3"});
    EXPECT_EQ(nulls.out.substr(nulls.out.find('\n') + 1), "3\t\t\t\t\t\t\t\t\t\t\n");
}

TEST_F(CliQuery, ParametersOfEveryKind) {
    EXPECT_EQ(Cli({"query", "--db", m_db, "qKey", "[parKeyLink]=text:12"}).out, "Label\ntwelve\n");
    EXPECT_EQ(Cli({"query", "--db", m_db, "qWithin", "[parMaxValue]=float:0.3"}).out,
              "Within\tEcho\n1\t0.3\n");
    EXPECT_EQ(Cli({"query", "--db", m_db, "qMsgInt", "[parMsgIDInt]=int32:7"}).out,
              "MsgId\tWarningText\nHello\tHello, engineer.\n");
    EXPECT_EQ(Cli({"query", "--db", m_db, "qNote", "[ValvePartNumber.NoteLink]=text:8210G001"}).out,
              "NoteLink\nN7\n");
    EXPECT_EQ(Cli({"query", "--db", m_db, "qJoin", "[parB]=text:a\tb", "[parA]=text:x:y"}).out,
              "Joined\nx:y-a\\tb\n");
    EXPECT_EQ(Cli({"query", "--db", m_db, "qNothing"}).out, "Name\n");
}

TEST_F(CliQuery, BadParametersAreRejectedBeforeAnythingRuns) {
    for (const char* bad : {"[parId]=int16:70000", "[parId]=int16:1x", "[parId]=float:abc",
                            "[parId]=double:1", "[parId]", "[parId]=1", "=text:x"}) {
        const CliRun run = Cli({"query", "--db", m_db, "qKinds", bad});
        EXPECT_EQ(run.status, 1) << bad;
        EXPECT_TRUE(run.out.empty()) << bad;
        EXPECT_NE(run.err.find("Bad parameter '" + std::string(bad) + "'"), std::string::npos)
            << run.err;
    }
}

TEST_F(CliQuery, EngineFailuresGoToStandardErrorWithExitStatusOne) {
    const CliRun unset = Cli({"query", "--db", m_db, "qKinds"});
    EXPECT_EQ(unset.status, 1);
    EXPECT_EQ(unset.err, "DAO error 25, SOURCE = qKinds, DESCR = Parameter :parId has no value.\n");
    const CliRun unknown =
        Cli({"query", "--db", m_db, "qKinds", "[parId]=int16:1", "[parX]=int16:1"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "DAO error 25, SOURCE = qKinds, DESCR = No such parameter: [parX]\n");
    const CliRun missing = Cli({"query", "--db", m_dir.File("Absent.mdb"), "qKinds"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("DAO error 14, SOURCE = SQLite"), std::string::npos);
}

TEST_F(CliQuery, DatabaseComesFromTheEnvironmentOrTheInstallationWhenNotGiven) {
    const std::vector<std::string> noStore = {"VERITOM_MACHINE_STORE=" + m_dir.File("absent.ini"),
                                              "VERITOM_USER_STORE=" + m_dir.File("user.ini")};
    const CliRun none = Cli({"query", "qNothing"}, noStore);
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err,
              "No database was given and none is installed: use --db FILE or set VERITOM_DB.\n");
    const CliRun fromEnvironment =
        Cli({"query", "qNothing"}, {noStore[0], noStore[1], "VERITOM_DB=" + m_db});
    EXPECT_EQ(fromEnvironment.status, 0) << fromEnvironment.err;
    EXPECT_EQ(fromEnvironment.out, "Name\n");

    // The installation's database: NetPath, base name and the current language's code.
    std::filesystem::copy_file(m_db, m_dir.File("MorvaneDE.mdb"));
    std::ofstream(m_dir.File("machine.ini"))
        << "[Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion]\n"
        << "NetPath=\"" << m_dir.File("") << "\"\nLanguage=DE\n"
        << "[Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion\\Language\\DE]\n"
        << "Code=de\nDLL=MorvaneDE.rcc\nID=24511\n";
    const CliRun installed =
        Cli({"query", "qNothing"}, {"VERITOM_MACHINE_STORE=" + m_dir.File("machine.ini"),
                                    "VERITOM_USER_STORE=" + m_dir.File("user.ini")});
    EXPECT_EQ(installed.status, 0) << installed.err;
    EXPECT_EQ(installed.out, "Name\n");
}

TEST_F(CliQuery, ListsEveryQueryWithItsParametersAndReportsBrokenOnes) {
    const CliRun run = Cli({"queries", "--db", m_db});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("qJoin\t[parA]\t[parB]\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("qNote\t[ValvePartNumber_NoteLink]\n"), std::string::npos);
    EXPECT_NE(run.out.find("qAllNames\n"), std::string::npos);
    EXPECT_NE(run.out.find("qSyntax\n"), std::string::npos);
    EXPECT_NE(run.err.find("SOURCE = qSyntax"), std::string::npos) << run.err;

    veritom::test::RunScript(m_db,
                             "DELETE FROM StoredQueries WHERE Name IN "
                             "('qSyntax', 'qNoTable', 'qTwo', 'qBlank')");
    const CliRun clean = Cli({"queries", "--db", m_db});
    EXPECT_EQ(clean.status, 0) << clean.err;
    EXPECT_TRUE(clean.err.empty());
}

// "--db" without a file is never taken for a query name, nor ignored: the usage, exit status 1.
TEST_F(CliQuery, DatabaseOptionWithoutAFileShowsTheUsage) {
    const std::vector<std::string> installed = {"VERITOM_DB=" + m_db};
    const std::string queryUsage = "usage: morvane-cli query [--db FILE] NAME [PARAM=VALUE ...]\n";
    const std::string queriesUsage = "usage: morvane-cli queries [--db FILE]\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"query", "--db"}, queryUsage},
        {{"query", "qNothing", "--db"}, queryUsage},
        {{"query", "--db="}, queryUsage},
        {{"query", "--db", m_db}, queryUsage},
        {{"query", "--db", m_db, "--db", m_db, "qNothing"}, queryUsage},
        {{"queries", "--db"}, queriesUsage},
        {{"queries", "--db="}, queriesUsage},
        {{"queries", "--db", m_db, "extra"}, queriesUsage},
        {{"solenoid", "--db"}, "usage: morvane-cli solenoid [--db FILE] FILE.mrv\n"},
        {{"solenoid", "a.mrv", "--db"}, "usage: morvane-cli solenoid [--db FILE] FILE.mrv\n"},
        {{"rapid", "--db"},
         "usage: morvane-cli rapid [--db FILE] SERIES [--kind complete|valve|solenoid] [CODE "
         "...]\n"},
        {{"interchange", "X", "--db"},
         "usage: morvane-cli interchange [--db FILE] COMPETITOR PARTNUMBER [DIVISION "
         "[VOLTAGE]]\n"},
    };
    for (const auto& [arguments, usage] : cases) {
        const CliRun run = Cli(arguments, installed);
        EXPECT_EQ(run.status, 1) << arguments.back();
        EXPECT_EQ(run.out, "") << arguments.back();
        EXPECT_EQ(run.err, usage) << arguments.back();
    }
    EXPECT_EQ(Cli({"query", "qNothing"}, installed).out, "Name\n");
    EXPECT_EQ(Cli({"queries"}, installed).status, 1);  // the sample holds broken queries
}
