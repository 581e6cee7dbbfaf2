// morvane-cli rapid and interchange, run as a user runs them, on the staged database.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "ToolDatabase.h"

namespace veritom::test {
namespace {

class CliTools : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CToolDatabase::Exists()) {
            GTEST_SKIP() << "the selection database has not been built";
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "clitools-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        if (!m_dir.empty()) {
            std::filesystem::remove_all(m_dir);
        }
    }

    CliRun Cli(const std::vector<std::string>& arguments) { return RunCliIn(m_dir, arguments); }

    const std::string m_db = CToolDatabase::StagedFile();
    std::string m_dir;
};

TEST_F(CliTools, RapidWalksTheSegmentsWithTheCodesGiven) {
    // Without codes: the first segment that offers a choice, and what waits after it.
    CliRun run = Cli({"rapid", "--db", m_db, "K21", "--kind", "valve"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "010\tSeries\tdisabled\t\n"
              "020\tBody material\tchoose\t\tB\tS\tA\n"
              "030\tConnection\tpending\t\n"
              "040\tPort size\tpending\t\n"
              "050\tOrifice\tpending\t\n"
              "060\tSeal\tpending\t\n"
              "070\tOption\tpending\t\n");

    // Every code: the orifice offers one (040) and takes it by itself.
    run = Cli({"rapid", "--db", m_db, "K21", "--kind=valve", "B", "N", "08", "040", "V", "M"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("050\tOrifice\tchosen\t040\t040\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("part-number\tK21BN08040VM\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("description\t2-Way Normally Closed"), std::string::npos) << run.out;

    // The complete valve passes the codes of fields 100 and above.
    run = Cli({"rapid", "--db", m_db, "K20", "--kind", "solenoid", "M", "F", "1", "L", "024A6"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("120\tVoltage\tchosen\t024A6"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("part-number\tCMF1L-024A6\n"), std::string::npos) << run.out;
}

TEST_F(CliTools, RapidRefusesWhatIsNotOffered) {
    struct Case {
        std::vector<std::string> arguments;
        std::string error;
    };
    for (const Case& c : {
             Case{{"K21", "--kind", "valve", "X"}, "code 'X' is not offered for Body material"},
             Case{{"K21", "--kind", "valve", "B", "N", "08", "041"},
                  "code '041' is not offered for Orifice"},
             Case{{"K21", "--kind", "valve", "B", "N", "08", "040", "V", "M", "Z"},
                  "more codes than segments"},
             Case{{"K30", "--kind", "solenoid"}, "does not offer that kind"},
             Case{{"K99"}, "offers nothing to build"},
             Case{{"K21", "--kind", "pump"}, "usage:"},
         }) {
        std::vector<std::string> arguments = {"rapid", "--db", m_db};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.status, 1) << c.error;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    }
}

TEST_F(CliTools, InterchangePrintsWhatTheDialogShows) {
    CliRun run = Cli({"interchange", "--db", m_db, "ARD", "afx"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("competitor-part\tAFX8210\tAFX\t8210\t\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("part-number\tK21BN08040N-SF7L-"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("exceptions\tExplosion-proof coil"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("order-pad\tenabled\n"), std::string::npos) << run.out;

    // By the competitor's name, a division without coils.
    run = Cli({"interchange", "--db", m_db, "ardent fluid controls", "AF8210", "MVB"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("voltage\tNA\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("part-number\tK21BN08040N\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("order-pad\tdisabled\n"), std::string::npos) << run.out;

    // Prefix and suffix with separators, a voltage by its code.
    run = Cli({"interchange", "--db", m_db, "BRH", "bh-2401-e", "MVG", "024D"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("part-number\tK21BN12048E-MF4L-024D\n"), std::string::npos) << run.out;

    run = Cli({"interchange", "--db", m_db, "ARD", "ZZ"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("competitor-part\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("part-number\t\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("order-pad\tdisabled\n"), std::string::npos) << run.out;

    run = Cli({"interchange", "--db", m_db, "NOBODY", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no competitor 'NOBODY'"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace veritom::test
