#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliRunner.h"
#include "CoilRecords.h"

// morvane-cli solenoid: what dialog 105 offers for a selection file, through the same code.
namespace veritom {
namespace {

class CliSolenoid : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(m_database)) {
            GTEST_SKIP() << "the selection database has not been built";
        }
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    test::CliRun Run(const std::string& path) {
        return test::RunCliIn(m_dir.string(), {"solenoid", "--db", m_database, path});
    }

    std::string m_database = VERITOM_STAGE_DIR "/share/veritom/MorvaneEN.mdb";
    std::filesystem::path m_dir =
        std::filesystem::temp_directory_path() / ("cli-solenoid-" + std::to_string(::getpid()));
};

TEST_F(CliSolenoid, ListsTheVoltagesAndEnvironmentsOfTheRecord) {
    test::ApplicationAnswers steam = test::Steam();
    CProd_ValveData savedDc = test::ApplicationStageRecord(steam);
    savedDc.m_Sol_CurrentVAL = std::string("DC");
    const test::CliRun outcome = Run(Write("steam.mrv", test::ApplicationStageFile(savedDc)));
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.Lines(),
              (std::vector<std::string>{
                  "voltage\tAC\t120 V / 60 Hz\t120A6\tdefault",
                  "voltage\tAC\t230 V / 50 Hz\t230A5\t",
                  "voltage\tAC\tNon-standard voltage\tALL\t",
                  "voltage\tDC\t24 V\t024D\tdefault",
                  "selected\tDC\t24 V\t024D",
                  "location\tORD\tOrdinary Location\tIndoor or outdoor sites where no explosive "
                  "atmosphere can occur.\tselected",
                  "location\tHAZ\tHazardous Location\tSites where flammable gases, vapors or dusts "
                  "may be present. Only explosion-proof coils are offered.\t",
              }));
}

TEST_F(CliSolenoid, RefusesFilesTheStepIsNotOpenFor) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    CProd_ValveData valveSize = test::ApplicationStageRecord();
    valveSize.m_SelMethodCode = 2;
    std::vector<std::uint8_t> truncated =
        test::ApplicationStageFile(test::ApplicationStageRecord());
    truncated.resize(truncated.size() / 2);
    const Case cases[] = {
        {"valve size method", test::ApplicationStageFile(valveSize)},
        {"damaged file", truncated},
        {"not a selection file", {'h', 'e', 'l', 'l', 'o'}},
    };
    for (const Case& c : cases) {
        const test::CliRun outcome = Run(Write("refused.mrv", c.bytes));
        EXPECT_EQ(outcome.status, 1) << c.name;
        EXPECT_TRUE(outcome.Lines().empty()) << c.name;
        EXPECT_NE(outcome.err.find("refused.mrv"), std::string::npos) << c.name << outcome.err;
    }
}

}  // namespace
}  // namespace veritom
