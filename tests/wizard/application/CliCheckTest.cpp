// morvane-cli check: the Application step's check on a selection file, without a display.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CliRunner.h"
#include "StepDatabase.h"
#include "app/SelectionFile.h"
#include "base/FileIo.h"
#include "model/ValveObject.h"

namespace veritom::test {
namespace {

class CliCheck : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "cli-check-XXXXXX").string();
        m_dir = ::mkdtemp(pattern.data()) ? pattern : std::string();
        ASSERT_FALSE(m_dir.empty());
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::remove_all(m_dir, error);
    }

    std::string Write(const CProd_ValveData& record, const std::string& language = "EN") {
        CProd_ValveObject workflow(4);
        workflow.GetValveData() = record;
        CSelectionFileHeader header;
        header.languageCode = language;
        header.applicationName = "Morvane Valve";
        const std::string path = m_dir + "/selection" + std::to_string(++m_files) + ".mrv";
        EXPECT_TRUE(WriteFileReplacing(path, StoreSelectionFile(header, {}, workflow)).Ok());
        return path;
    }

    // Runs "morvane-cli check" with the staged databases.
    test::CliRun Check(const std::string& path,
                       const std::string& db = CStepDatabase::StagedDirectory() +
                                               "/MorvaneEN.mdb") {
        return test::RunCliIn(m_dir, {"check", "--db", db, path});
    }

    std::string m_dir;
    int m_files = 0;
};

CProd_ValveData Catalog(double mopd) {
    CProd_ValveData r = WithFluid(GeneralPurpose(), "LIQ", "WATER");
    r.m_MethodLink = 1;
    r.m_ConFluidLink = std::string("08");
    r.m_App_MOPDVAL.Set(mopd, "PSIG");
    r.m_App_MinOPDVAL.Set(10, "PSIG");
    return r;
}

CProd_ValveData Sizing(double flow, double temperature) {
    CProd_ValveData r = WithFluid(GeneralPurpose(), "LIQ", "WATER");
    r.m_MethodLink = 2;
    r.m_App_FlowRateVAL.Set(flow, "GPM");
    r.m_App_FluidTempVAL.Set(temperature, "DEG_F");
    r.m_App_MOPDVAL.Set(25, "PSIG");
    return r;
}

CProd_ValveData ValveSize(double flowFactor) {
    CProd_ValveData r = Proportional();
    r.m_ChkBxFlags |= CProd_ValveData::kFlagFlowFactorTicked;
    r.m_App_FlowFactorVAL.Set(flowFactor, "KV");
    return r;
}

TEST_F(CliCheck, PrintsPassOrTheMessage) {
    struct Case {
        const char* what;
        CProd_ValveData record;
        const char* language;
        std::string line;
    };
    const std::vector<Case> cases = {
        {"catalog data that fits", Catalog(100), "EN", "pass"},
        {"catalog data above every rating", Catalog(500), "EN",
         "fail\tMOPDToHigh\tThe maximum pressure differential is above the rating of every "
         "valve of this type. The highest rating available is\\n450.0 psig  "},
        {"a calculated size that fits", Sizing(10, 100), "EN", "pass\t2"},
        {"a calculated size too hot", Sizing(10, 400), "EN",
         "fail\tTempTooHigh\tThe fluid temperature is above the rating of every valve of this "
         "type. The highest fluid temperature available is\\n300.0 \u00B0F  "},
        {"no flow", Sizing(0, 100), "EN",
         "fail\tPositiveCheck2\tFlow rate and pressure differential must be greater than zero: "
         "a valve size cannot be calculated for no flow or no pressure drop."},
        {"a valve size that fits", ValveSize(1), "EN", "pass"},
        {"a valve size above every flow factor", ValveSize(10), "EN",
         "fail\tFloFacToHigh\tThe flow factor entered is larger than that of every valve of "
         "this application. The largest flow factor available is  3.57 Kv"},
        {"a German selection", Catalog(500), "DE",
         "fail\tMOPDToHigh\tDer maximale Differenzdruck liegt \u00FCber dem zul\u00E4ssigen "
         "Differenzdruck aller Ventile dieser Art. Der h\u00F6chste verf\u00FCgbare Wert "
         "ist\\n450.0 psig  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const test::CliRun outcome = Check(Write(c.record, c.language));
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.out, c.line + "\n");
    }
    // The sizing check's flow factor in full.
    const test::CliRun water = Check(Write(Sizing(7, 100)));  // 7 * sqrt(1 / 25)
    EXPECT_EQ(water.out, "pass\t1.4000000000000001\n");
}

TEST_F(CliCheck, UnreadableFileOrDatabaseFails) {
    const std::string good = Write(Catalog(100));
    std::ofstream(m_dir + "/short.mrv") << "not a selection";
    CProd_ValveData noApplication = Catalog(100);
    noApplication.m_SelMethodCode = 0;
    struct Case {
        const char* what;
        std::string path;
        std::string db;
    };
    const std::vector<Case> cases = {
        {"no such file", m_dir + "/missing.mrv",
         CStepDatabase::StagedDirectory() + "/MorvaneEN.mdb"},
        {"not a selection file", m_dir + "/short.mrv",
         CStepDatabase::StagedDirectory() + "/MorvaneEN.mdb"},
        {"no database for the file's language", Write(Catalog(100), "FR"),
         CStepDatabase::StagedDirectory() + "/MorvaneEN.mdb"},
        {"a language code that names no file", Write(Catalog(100), "."),
         CStepDatabase::StagedDirectory() + "/MorvaneEN.mdb"},
        {"no database folder", good, m_dir + "/nothing/MorvaneEN.mdb"},
        {"no application step", Write(noApplication),
         CStepDatabase::StagedDirectory() + "/MorvaneEN.mdb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const test::CliRun outcome = Check(c.path, c.db);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.out, "");
        EXPECT_FALSE(outcome.err.empty());
    }
}

}  // namespace
}  // namespace veritom::test
