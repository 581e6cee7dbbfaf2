#include <gtest/gtest.h>

#include "FakeVeritomApp.h"
#include "FixtureDatabase.h"
#include "MessageRecorder.h"
#include "app/NerithObject.h"
#include "base/StringTable.h"
#include "model/ValveObject.h"

namespace veritom {
namespace {

using test::FakeVeritomApp;
using test::FixtureDatabase;
using test::MessageRecorder;

constexpr int kValveType = 100;
constexpr int kApplication = 101;
constexpr int kSolenoid = 102;
constexpr int kPartNumber = 103;

const CValveTypeAnswers kNormallyClosed = {{"2-Way Normally Closed", "2NC", "", 0},
                                           {"Straight Through", "STR", "picSTR", 0},
                                           {"No Option", "NOOPT", "", 0}};
const CValveTypeAnswers kWithOption = {{"2-Way Normally Closed", "2NC", "", 0},
                                       {"Angle Pattern", "ANG", "picANG", 0},
                                       {"Stainless Stem", "SS", "", 2}};

// Records of the Application step as its dialogs would leave them.
void CatalogDataApplication(CProd_ValveData& record) {
    record.m_SelMethodCode = 1;
    record.m_MethodLink = 1;
    record.m_FluidVAL = std::string("Water");
    record.m_App_PortSizeVAL = std::string("1/2\"");
    record.m_ChkBxFlags &= ~CProd_ValveData::kFlagPortSizeInSummary;
    record.m_ChkBxFlags |= CProd_ValveData::kFlagFlowFactorInSummary;
    record.m_App_FlowFactorVAL.Set(2.5, "CV");
}

void ValveSizeApplication(CProd_ValveData& record) {
    record.m_SelMethodCode = 2;
    record.m_ApplicationTypeVAL = std::string("Proportional Flow Control");
    record.m_App_MaxInPressureVAL.Set(150, "PSIG");
    record.m_App_MaxVolumetricFlowVAL.Set(1200.4, "CC_MIN");
    record.m_App_ControlSigVAL = std::string("4-20 mA");
    record.m_App_FlowFactorVAL.Set(0.456, "KV");
    record.m_ChkBxFlags =
        CProd_ValveData::kFlagMaxInletPressureTicked | CProd_ValveData::kFlagVolumetricFlowTicked |
        CProd_ValveData::kFlagControlSignalTicked | CProd_ValveData::kFlagFlowFactorTicked;
}

void AcSolenoid(CProd_ValveData& record) {
    record.m_VoltLink = std::string("120AC");
    record.m_Sol_VoltageVAL = std::string("120 V");
    record.m_Sol_CurrentVAL = std::string("AC");
    record.m_Sol_ConstructionVAL = std::string("Molded");
    record.m_Sol_TerminationVAL = std::string("DIN Connector");
    record.m_EncloseLink = std::string("T4");
    record.m_Sol_EnclosureVAL = std::string("Type 4");
}

void ChosenPart(CProd_ValveData& record) {
    record.m_PN_CompletePNVAL = std::string("4M-120-BN-0B-S");
}

// A product object on the fixture database with scripted dialogs that confirm every step.
struct Workflow {
    Workflow() {
        app.netPath = db.Dir();
        EXPECT_TRUE(object.Initialize());
        Script(kNormallyClosed, CatalogDataApplication);
    }
    void Script(const CValveTypeAnswers& valveType,
                std::function<void(CProd_ValveData&)> application) {
        app.dialogs.valveType = [valveType](CValveTypeAnswers& answers) {
            answers = valveType;
            return IDOK;
        };
        app.dialogs.application = [application](CProd_ValveData& record) {
            application(record);
            return IDOK;
        };
        app.dialogs.solenoid = [](CProd_ValveData& record) {
            AcSolenoid(record);
            return IDOK;
        };
        app.dialogs.partNumber = [](CProd_ValveData& record) {
            ChosenPart(record);
            return IDOK;
        };
    }
    std::vector<bool> States() {
        std::vector<bool> states;
        for (int i = 0; i < object.GetNumberOfButtons(); ++i) {
            states.push_back(object.GetButtonState(i));
        }
        return states;
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (int i = 0; i < object.GetNumberOfButtons(); ++i) {
            texts.push_back(object.GetButtonSelectionDisplayText(i));
        }
        return texts;
    }
    CProd_ValveData& Record() { return object.GetWorkflow()->GetValveData(); }

    FixtureDatabase db;
    FakeVeritomApp app;
    CNerithObject object{app};
};

TEST(ValveWorkflow, PanelBeforeAnySelection) {
    Workflow w;
    EXPECT_EQ(w.States(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(w.Texts(), (std::vector<std::string>(4)));
    EXPECT_EQ(w.object.GetButtonText(0), "Valve Type");
    EXPECT_EQ(w.object.GetButtonText(3), "Part Number");
    EXPECT_EQ(w.object.GetButtonText(4), "Button 5");
    EXPECT_EQ(w.object.GetFileFilter(), "Morvane Valve Files (*.mrv)|*.mrv||");
    EXPECT_EQ(w.object.GetButtonSelectionDisplayFormat(0), 0x0910u);
    EXPECT_FALSE(w.object.IsDirty());
    // Buttons that the panel shows disabled do nothing when pressed anyway.
    EXPECT_FALSE(w.object.PerformButtonAction(kApplication));
    EXPECT_EQ(w.app.dialogs.applicationCalls, 0);
}

TEST(ValveWorkflow, ClosedDatabaseStopsEveryButton) {
    FakeVeritomApp app;
    app.languageName = "English";
    CNerithObject object(app);  // never initialised: no database
    MessageRecorder recorder;
    EXPECT_FALSE(object.PerformButtonAction(kValveType));
    EXPECT_EQ(app.dialogs.valveTypeCalls, 0);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    // Says what is wrong: the database, with the file it looked for.
    EXPECT_EQ(recorder.boxes[0].text,
              "The selection database /net/MorvaneEN.mdb could not be opened, so the selection "
              "steps cannot run.  Check that the file is there and readable.");
}

TEST(ValveWorkflow, ValveTypeStartsAFreshWorkflow) {
    for (const auto& [answers, description] :
         {std::pair{kNormallyClosed, "2-Way Normally Closed,  Straight Through"},
          std::pair{kWithOption, "2-Way Normally Closed,  Angle Pattern,  Stainless Stem"}}) {
        Workflow w;
        w.Script(answers, CatalogDataApplication);
        EXPECT_TRUE(w.object.PerformButtonAction(kValveType));
        EXPECT_EQ(w.Texts()[0], description);
        EXPECT_EQ(w.States(), (std::vector<bool>{true, true, false, false}));
        EXPECT_EQ(w.object.GetHighestStep(), 1);
        EXPECT_EQ(w.object.GetWorkflow()->GetStepReached(), 1);
        EXPECT_TRUE(w.object.IsDirty());
        const CProd_ValveData& record = w.Record();
        EXPECT_EQ(record.m_FuncLink.Value(), answers.functionType.link);
        EXPECT_EQ(record.m_FuncLink.Name(), "FuncLink");
        EXPECT_EQ(record.m_FlowPatPic.Value(), answers.flowPattern.third);
        EXPECT_EQ(record.m_FlowPatOptLink.Value(), answers.option.link);
        EXPECT_EQ(record.m_FlowPatOptSelected.Value(), answers.option.number);
    }
}

TEST(ValveWorkflow, CancelledOrUnchangedValveTypeChangesNothing) {
    for (int result : {IDCANCEL, IDUNCHANGED}) {
        Workflow w;
        ASSERT_TRUE(w.object.PerformButtonAction(kValveType));
        ASSERT_TRUE(w.object.PerformButtonAction(kApplication));
        CProd_ValveObject* before = w.object.GetWorkflow();
        w.app.dialogs.valveType = [result](CValveTypeAnswers& answers) {
            answers = kWithOption;
            return result;
        };
        EXPECT_FALSE(w.object.PerformButtonAction(kValveType));
        EXPECT_EQ(w.object.GetWorkflow(), before);
        EXPECT_EQ(w.object.GetHighestStep(), 2);
        EXPECT_EQ(w.object.GetValveTypeAnswers().flowPattern, kNormallyClosed.flowPattern);
        EXPECT_EQ(w.Texts()[1], "Fluid is Water,  Cv Rating 2.50");
    }
}

TEST(ValveWorkflow, ApplicationSummaries) {
    struct Case {
        std::function<void(CProd_ValveData&)> application;
        std::string summary;
        std::vector<bool> states;
    };
    const std::vector<Case> cases = {
        {CatalogDataApplication, "Fluid is Water,  Cv Rating 2.50", {true, true, true, false}},
        {[](CProd_ValveData& r) {
             CatalogDataApplication(r);
             r.m_ChkBxFlags |= CProd_ValveData::kFlagPortSizeInSummary;
             r.m_App_FlowFactorVAL.Set(7.126, "KV");
         },
         "Fluid is Water,  Port Connection Size 1/2\",  Kv Rating 7.13",
         {true, true, true, false}},
        {[](CProd_ValveData& r) {
             CatalogDataApplication(r);
             r.m_MethodLink = 2;
             r.m_CalcFlowFactorVAL.Set(1.234, "CV");
         },
         "Fluid is Water,  10 cfm,  100 \u00B0F,  100 psig,  Calculated Cv 1.23 ",
         {true, true, true, false}},
        {[](CProd_ValveData& r) {
             CatalogDataApplication(r);
             r.m_MethodLink = 0;
         },
         "",
         {true, true, true, false}},
        {ValveSizeApplication,
         "Proportional Flow Control,  150 psig,  1200 cc/min,  Control Input Signal 4-20 mA,  "
         "Kv Rating 0.46",
         {true, true, false, true}},
    };
    for (const Case& c : cases) {
        Workflow w;
        w.Script(kNormallyClosed, c.application);
        ASSERT_TRUE(w.object.PerformButtonAction(kValveType));
        EXPECT_TRUE(w.object.PerformButtonAction(kApplication));
        EXPECT_EQ(w.Texts()[1], c.summary);
        EXPECT_EQ(w.States(), c.states) << c.summary;
        EXPECT_EQ(w.object.GetHighestStep(), 2);
    }
}

TEST(ValveWorkflow, ValveSizeMethodOpensEverySolenoidChoice) {
    Workflow w;
    w.Script(kNormallyClosed, ValveSizeApplication);
    ASSERT_TRUE(w.object.PerformButtonAction(kValveType));
    ASSERT_TRUE(w.object.PerformButtonAction(kApplication));
    EXPECT_EQ(w.object.GetWorkflow()->GetStepReached(), 3);
    EXPECT_EQ(w.app.redrawCount, 1);
    const CProd_ValveData& r = w.Record();
    for (const CStringExSel* link : {&r.m_OpEnvLink, &r.m_Sol_CurrentVAL, &r.m_VoltLink,
                                     &r.m_SolConstLink, &r.m_TermLink, &r.m_EncloseLink}) {
        EXPECT_EQ(link->Value(), "ALL") << link->Name();
        EXPECT_FALSE(link->Name().empty());
    }
    EXPECT_TRUE(w.object.PerformButtonAction(kPartNumber));
    EXPECT_TRUE(w.object.IsSelectionComplete());
    EXPECT_EQ(w.Texts()[3], "4M-120-BN-0B-S");
}

TEST(ValveWorkflow, SolenoidSummaries) {
    CProd_ValveData record;
    AcSolenoid(record);
    EXPECT_EQ(CProd_ValveObject::SolenoidSummary(record),
              "120 V AC,  Molded,  DIN Connector,  Type 4");
    for (const char* enclosure : {"NA", "ALL"}) {
        record.m_EncloseLink = std::string(enclosure);
        EXPECT_EQ(CProd_ValveObject::SolenoidSummary(record), "120 V AC,  Molded,  DIN Connector");
    }
    record.m_EncloseLink = std::string("T4");
    record.m_Sol_EnclosureVAL = std::string();
    EXPECT_EQ(CProd_ValveObject::SolenoidSummary(record), "120 V AC,  Molded,  DIN Connector");
    record.m_VoltLink = std::string("ALL");
    EXPECT_EQ(CProd_ValveObject::SolenoidSummary(record), "120 V");
}

TEST(ValveWorkflow, WholeSelectionSetsTheFlagsAndTexts) {
    Workflow w;
    for (int id : {kValveType, kApplication, kSolenoid}) {
        ASSERT_TRUE(w.object.PerformButtonAction(id));
        EXPECT_FALSE(w.object.IsSelectionComplete());
        EXPECT_FALSE(w.object.IsOrderPadReady());
    }
    EXPECT_EQ(w.States(), (std::vector<bool>{true, true, true, true}));
    ASSERT_TRUE(w.object.PerformButtonAction(kPartNumber));
    EXPECT_TRUE(w.object.IsSelectionComplete());
    EXPECT_TRUE(w.object.IsOrderPadReady());
    EXPECT_TRUE(w.object.GetSpareFlag());
    EXPECT_EQ(w.object.GetHighestStep(), 4);
    EXPECT_EQ(w.Texts(),
              (std::vector<std::string>{
                  "2-Way Normally Closed,  Straight Through", "Fluid is Water,  Cv Rating 2.50",
                  "120 V AC,  Molded,  DIN Connector,  Type 4", "4M-120-BN-0B-S"}));
    EXPECT_EQ(w.app.dialogs.reselectionCalls, 0);
}

TEST(ValveWorkflow, ReselectionNoticeOnlyForEarlierSteps) {
    Workflow w;
    for (int id : {kValveType, kApplication, kSolenoid}) {
        ASSERT_TRUE(w.object.PerformButtonAction(id));
    }
    // The last completed step and the next one run without asking.
    EXPECT_TRUE(w.object.PerformButtonAction(kSolenoid));
    EXPECT_TRUE(w.object.PerformButtonAction(kPartNumber));
    EXPECT_EQ(w.app.dialogs.reselectionCalls, 0);

    // Refused: nothing runs, nothing changes.
    w.app.dialogs.reselectionAnswer = false;
    EXPECT_FALSE(w.object.PerformButtonAction(kApplication));
    EXPECT_EQ(w.app.dialogs.reselectionCalls, 1);
    EXPECT_EQ(w.app.dialogs.applicationCalls, 1);
    EXPECT_EQ(w.Texts()[3], "4M-120-BN-0B-S");

    // Agreed: Application is redone and everything after it is cleared.
    w.app.dialogs.reselectionAnswer = true;
    EXPECT_TRUE(w.object.PerformButtonAction(kApplication));
    EXPECT_EQ(w.app.dialogs.reselectionCalls, 2);
    EXPECT_EQ(w.object.GetHighestStep(), 2);
    EXPECT_EQ(w.States(), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(w.Texts()[2], "");
    EXPECT_EQ(w.Texts()[3], "");
    EXPECT_EQ(w.Record().m_PN_CompletePNVAL.Value(), "");
    EXPECT_EQ(w.Record().m_VoltLink.Value(), "");
    EXPECT_EQ(w.Record().m_OpEnvLink.Value(), "ORD");
    EXPECT_FALSE(w.object.IsSelectionComplete());
}

TEST(ValveWorkflow, CancelledStepLeavesTheRecord) {
    Workflow w;
    ASSERT_TRUE(w.object.PerformButtonAction(kValveType));
    ASSERT_TRUE(w.object.PerformButtonAction(kApplication));
    w.object.GetWorkflow();
    const CProd_ValveData before = w.Record();
    w.app.dialogs.solenoid = [](CProd_ValveData& record) {
        AcSolenoid(record);
        return IDCANCEL;
    };
    w.app.dialogs.application = [](CProd_ValveData& record) {
        record.m_FluidVAL = std::string("Steam");
        return IDCANCEL;
    };
    EXPECT_FALSE(w.object.PerformButtonAction(kSolenoid));
    EXPECT_FALSE(w.object.PerformButtonAction(kApplication));
    EXPECT_TRUE(w.Record() == before);
    EXPECT_EQ(w.object.GetWorkflow()->GetStepReached(), 2);
}

TEST(ValveWorkflow, UnknownSelectionMethodCompletesNothing) {
    Workflow w;
    w.Script(kNormallyClosed, [](CProd_ValveData& record) {
        record.m_SelMethodCode = 7;
        record.m_FluidVAL = std::string("Oil");
    });
    ASSERT_TRUE(w.object.PerformButtonAction(kValveType));
    EXPECT_FALSE(w.object.PerformButtonAction(kApplication));
    EXPECT_EQ(w.object.GetHighestStep(), 1);
    EXPECT_EQ(w.object.GetWorkflow()->GetStepReached(), 1);
    EXPECT_EQ(w.Texts()[1], "");
    EXPECT_EQ(w.Record().m_FluidVAL.Value(), "Oil");  // the copy was taken back
}

TEST(ValveWorkflow, NewDataForgetsTheSelection) {
    Workflow w;
    for (int id : {kValveType, kApplication, kSolenoid, kPartNumber}) {
        ASSERT_TRUE(w.object.PerformButtonAction(id));
    }
    EXPECT_TRUE(w.object.NewData());
    EXPECT_EQ(w.object.GetWorkflow(), nullptr);
    EXPECT_EQ(w.object.GetHighestStep(), 0);
    EXPECT_FALSE(w.object.IsDirty());
    EXPECT_FALSE(w.object.IsSelectionComplete());
    EXPECT_FALSE(w.object.IsOrderPadReady());
    EXPECT_EQ(w.object.GetValveTypeAnswers().functionType, CValveTypeAnswer());
    EXPECT_EQ(w.States(), (std::vector<bool>{true, false, false, false}));
}

TEST(ValveWorkflow, StepTextsStayWithinTheButtons) {
    CProd_ValveObject detached(4);
    EXPECT_TRUE(detached.SetStepText(4, "four"));
    EXPECT_FALSE(detached.SetStepText(5, "five"));
    EXPECT_FALSE(detached.SetStepText(-1, "minus"));
    EXPECT_EQ(detached.GetStepText(5), "");
    EXPECT_EQ(detached.GetStepText(-1), "");
    detached.SetStepText(2, "two");
    detached.ClearStepTexts(3);
    EXPECT_EQ(detached.GetStepText(2), "two");
    EXPECT_EQ(detached.GetStepText(4), "");
    for (int n : {0, 6, -1}) {
        EXPECT_FALSE(detached.IsButtonEnabled(n));
    }
    // A workflow without an application runs no step.
    EXPECT_EQ(detached.DoButtonDialog_2(), 0);
}

TEST(ValveWorkflow, BaseStepsNameTheMissingOperation) {
    CProd_BaseObject base(4);
    MessageRecorder recorder;
    EXPECT_EQ(base.DoButtonDialog_3(), 0);
    EXPECT_EQ(base.DoButtonDialog_6(), 0);
    EXPECT_EQ(recorder.Texts(),
              (std::vector<std::string>{
                  "You must define a DoButtonDialog_3() method in your class derived from "
                  "CProd_BaseObject.",
                  "You must define a DoButtonDialog_6() method in your class derived from "
                  "CProd_BaseObject."}));
}

TEST(ValveWorkflow, ReportMapKeepsLabelsBeforeValues) {
    Workflow w;
    ASSERT_TRUE(w.object.PerformButtonAction(kValveType));
    ASSERT_TRUE(w.object.PerformButtonAction(kApplication));
    CReportMap map;
    w.object.GetWorkflow()->FillReportMap(map);
    // The later label of a key replaces the earlier one; the record's text follows it.
    EXPECT_EQ(map["FluidVAL"], (std::vector<std::string>{"Fluid", "Water"}));
    EXPECT_EQ(map["FunctionTypeVAL"],
              (std::vector<std::string>{"Function Type", "2-Way Normally Closed"}));
    // A quantity's value key gets the label, its unit key only the unit text.
    EXPECT_EQ(map["App_MOPDVAL"], (std::vector<std::string>{"Max. Pressure Differential", "100"}));
    EXPECT_EQ(map["App_MOPDUnitVAL"], (std::vector<std::string>{"psig"}));
    // An empty label adds no label; a label without a value stays on its own.
    EXPECT_EQ(map["FuncLink"], (std::vector<std::string>{"2NC"}));
    EXPECT_EQ(map["OnlyALabel"], (std::vector<std::string>{"Label Without Value"}));

    CProd_ValveData other;
    other.m_FluidVAL = std::string("Air");
    CReportMap second;
    w.object.GetWorkflow()->FillReportMap(second, &other);
    EXPECT_EQ(second["FluidVAL"], (std::vector<std::string>{"Fluid", "Air"}));
}

}  // namespace
}  // namespace veritom
