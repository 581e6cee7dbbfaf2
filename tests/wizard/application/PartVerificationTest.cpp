// The Valve Part Numbers list of verification mode: the query of the record's method, its
// lines and their colours.
#include <gtest/gtest.h>

#include "MessageRecorder.h"
#include "StepDatabase.h"
#include "wizard/application/PartVerification.h"

namespace veritom::test {
namespace {

TEST(PartVerification, TheRecordsMethodChoosesTheQuery) {
    MessageRecorder recorder;
    CStepDatabase db("EN");
    CProd_ValveData catalog = WithFluid(GeneralPurpose(), "LIQ", "WATER");
    catalog.m_MethodLink = 1;
    catalog.m_ConFluidLink = std::string("08");
    catalog.m_App_MOPDVAL.Set(100, "PSIG");
    catalog.m_App_MinOPDVAL.Set(10, "PSIG");
    CProd_ValveData sizing = WithFluid(GeneralPurpose(), "LIQ", "WATER");
    sizing.m_MethodLink = 2;
    sizing.m_App_MOPDVAL.Set(25, "PSIG");
    sizing.m_CalcFlowFactorVAL.Set(2.0, "CV");
    CProd_ValveData valveSize = Proportional();
    valveSize.m_MethodLink = 1;  // the valve size method comes first

    struct Case {
        const char* what;
        CProd_ValveData record;
        const char* query;
        const char* firstLine;
    };
    const std::vector<Case> cases = {
        {"catalog data", catalog, "qValves_Pass_Known_Op_Param_Display", "K21BN08040\tN\t"},
        {"calculated size", sizing, "qValves_Pass_ValveSizing_Display", nullptr},
        {"valve size", valveSize, "qValves_Pass_SelMethod2", "P50BN02003\tN\t"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CPartVerification verification(db.Db(), c.record);
        ASSERT_TRUE(verification.Prepare());
        EXPECT_EQ(verification.QueryName(), c.query);
        const auto lines = verification.ReadLines();
        ASSERT_FALSE(lines.empty());
        if (c.firstLine) {
            EXPECT_EQ(lines[0], c.firstLine);
        }
        for (const std::string& line : lines) {
            EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 2) << line;
        }
    }
    // The calculation shows the pressure drop of each valve.
    CPartVerification calculated(db.Db(), sizing);
    ASSERT_TRUE(calculated.Prepare());
    EXPECT_NE(calculated.ReadLines()[0].find("psi"), std::string::npos);
    EXPECT_EQ(recorder.beeps, 0);
}

// The differentials cross as differences: entered in bar they list the valves the same
// differentials in psi list.
TEST(PartVerification, DifferentialsInBarListWhatTheSameInPsiLists) {
    MessageRecorder recorder;
    CStepDatabase db("EN");
    CProd_ValveData psi = WithFluid(GeneralPurpose(), "LIQ", "WATER");
    psi.m_ConFluidLink = std::string("ALL");
    psi.m_CalcFlowFactorVAL.Set(2.0, "CV");
    CProd_ValveData bar = psi;
    for (const int method : {1, 2}) {
        SCOPED_TRACE(method);
        psi.m_MethodLink = bar.m_MethodLink = method;
        psi.m_App_MOPDVAL.Set(100, "PSIG");
        psi.m_App_MinOPDVAL.Set(5, "PSIG");
        bar.m_App_MOPDVAL.Set(6.894757, "BAR");
        bar.m_App_MinOPDVAL.Set(0.3447379, "BAR");
        CPartVerification inPsi(db.Db(), psi);
        CPartVerification inBar(db.Db(), bar);
        ASSERT_TRUE(inPsi.Prepare());
        ASSERT_TRUE(inBar.Prepare());
        const auto lines = inPsi.ReadLines();
        EXPECT_FALSE(lines.empty());
        EXPECT_EQ(inBar.ReadLines(), lines);
    }
}

TEST(PartVerification, RowsWithoutTextAreLeftOutOfListAndColours) {
    MessageRecorder recorder;
    const std::string params =
        " WHERE :parFuncLink || :parFloPatLink || :parFloPatOptLink || :parAppTypeLink || "
        ":parChkBx_MIP || :parMIPValue || :parChkBx_VolFlow || :parVolFlowValue || "
        ":parChkBx_ControlSig || :parControlSigLink || :parChkBx_FloFacValue || "
        ":parFloFacValue IS NOT NULL";
    CStepDatabase db("EN", ReplaceQuery("qValves_Pass_SelMethod2",
                                        "SELECT 'A1' AS ValveNumberLink, 'S' AS SufxCode, '' AS "
                                        "PressureDrop" +
                                            params + " UNION ALL SELECT '', '', ''" + params +
                                            " UNION ALL SELECT '', '', '2 psi'" + params));
    CPartVerification verification(db.Db(), Proportional());
    ASSERT_TRUE(verification.Prepare());
    EXPECT_EQ(verification.ReadLines(), (std::vector<std::string>{"A1\tS\t", "\t\t2 psi"}));
    EXPECT_EQ(CPartVerification::Background(0), 0xDCFADC);
    EXPECT_EQ(CPartVerification::Background(1), kSystemColour);
    EXPECT_EQ(CPartVerification::Background(2), 0xDCFADC);
}

TEST(PartVerification, AMissingQueryBeepsAndRefuses) {
    MessageRecorder recorder;
    CStepDatabase db("EN", "DELETE FROM StoredQueries WHERE Name = 'qValves_Pass_SelMethod2';");
    CPartVerification verification(db.Db(), Proportional());
    EXPECT_FALSE(verification.Prepare());
    EXPECT_EQ(recorder.beeps, 1);
}

}  // namespace
}  // namespace veritom::test
