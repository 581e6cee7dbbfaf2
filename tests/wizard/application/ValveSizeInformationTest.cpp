// The Valve Selection Information dialog's decisions on the selection database the build
// makes: the ticks and their flag bits, the control signals, OK and unchanged answers.
#include <gtest/gtest.h>

#include "MessageRecorder.h"
#include "StepDatabase.h"
#include "wizard/WizardStrings.h"
#include "wizard/application/ValveSizeInformation.h"

namespace veritom::test {
namespace {

using Kind = CValveSizeInformation::Acceptance::Kind;

class ValveSizeInformation : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_db.IsOpen()); }
    CValveSizeInformation Open(const CProd_ValveData& record) {
        CValveSizeInformation form(m_db.Db(), record);
        form.Load();
        return form;
    }

    MessageRecorder m_recorder;
    CStepDatabase m_db{"EN"};
};

TEST_F(ValveSizeInformation, Opening) {
    CProd_ValveData record = Proportional();
    record.m_ChkBxFlags |= CProd_ValveData::kFlagVolumetricFlowTicked;
    record.m_ControlSigLink = std::string("MA420");
    CValveSizeInformation form = Open(record);
    std::vector<std::string> signals;
    for (const auto& signal : form.GetControlSignals()) {
        signals.push_back(signal.text);
    }
    EXPECT_EQ(signals, (std::vector<std::string>{"0-10 V DC", "4-20 mA", "PWM, 24 V DC, 1 kHz"}));
    EXPECT_EQ(form.GetSelectedSignal(), 1);
    EXPECT_EQ(form.GetInformation().rfind("Proportional valves are chosen by size", 0), 0u);
    std::vector<bool> ticks;
    for (const auto& row : CValveSizeInformation::Rows()) {
        ticks.push_back(form.IsTicked(row));
    }
    EXPECT_EQ(ticks, (std::vector<bool>{false, true, false, false}));
    // A signal the list lacks: the first.
    record.m_ControlSigLink = std::string("GONE");
    EXPECT_EQ(Open(record).GetSelectedSignal(), 0);
}

TEST_F(ValveSizeInformation, TicksSetTheirBits) {
    CValveSizeInformation form = Open(Proportional());
    const auto rows = CValveSizeInformation::Rows();
    const std::uint32_t base = form.GetFlags();
    form.Tick(rows[0], true);
    form.Tick(rows[3], true);
    EXPECT_EQ(form.GetFlags(), base | CProd_ValveData::kFlagMaxInletPressureTicked |
                                   CProd_ValveData::kFlagFlowFactorTicked);
    form.Tick(rows[0], false);
    EXPECT_EQ(form.GetFlags(), base | CProd_ValveData::kFlagFlowFactorTicked);
}

TEST_F(ValveSizeInformation, Ok) {
    CValveSizeInformation form = Open(Proportional());
    form.Tick(CValveSizeInformation::Rows()[3], true);
    form.SetQuantity(EntryField::FlowFactor, CUnitDouble(0.1, "CV"));
    ASSERT_TRUE(form.SelectSignal(2));
    ASSERT_EQ(form.Accept().kind, Kind::Check);
    const CProd_ValveData& w = form.WorkingRecord();
    EXPECT_EQ(w.m_App_ControlSigVAL.Value(), "PWM, 24 V DC, 1 kHz");
    EXPECT_EQ(w.m_ControlSigLink.Value(), "PWM");
    EXPECT_TRUE(w.m_ChkBxFlags & CProd_ValveData::kFlagFlowFactorTicked);
    EXPECT_EQ(w.m_App_FlowFactorVAL.Value(), 0.1);
    EXPECT_EQ(w.m_App_FlowFactorVAL.ValueKey(), "App_FlowFactorVAL");
    EXPECT_EQ(w.m_ConFluidLink.Value(), "ALL");
    EXPECT_TRUE(form.Check({}).passed);
    EXPECT_EQ(form.Check({EntryField::FlowFactor}).key, "NullCheck");
    const CProd_ValveData stored = form.WorkingRecord();

    // The stored answers confirmed again: unchanged; any difference: checked.
    struct Case {
        const char* what;
        std::function<void(CValveSizeInformation&)> change;
        Kind kind;
    };
    const std::vector<Case> cases = {
        {"nothing", [](CValveSizeInformation&) {}, Kind::Unchanged},
        {"another signal", [](CValveSizeInformation& f) { f.SelectSignal(0); }, Kind::Check},
        {"a tick", [](CValveSizeInformation& f) { f.Tick(CValveSizeInformation::Rows()[0], true); },
         Kind::Check},
        {"the flow factor in Kv",
         [](CValveSizeInformation& f) {
             f.SetQuantity(EntryField::FlowFactor, CUnitDouble(1.428, "KV"));
         },
         Kind::Check},
        {"another volumetric flow",
         [](CValveSizeInformation& f) {
             f.SetQuantity(EntryField::VolumetricFlow, CUnitDouble(5, "CC_MIN"));
         },
         Kind::Check},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CValveSizeInformation again = Open(stored);
        c.change(again);
        EXPECT_EQ(again.Accept().kind, c.kind);
    }
}

TEST_F(ValveSizeInformation, NoControlSignalRefusesOk) {
    CStepDatabase none("EN", "UPDATE ControlSignal SET Offered = 0;");
    CValveSizeInformation form(none.Db(), Proportional());
    form.Load();
    EXPECT_EQ(form.GetSelectedSignal(), -1);
    const auto acceptance = form.Accept();
    EXPECT_EQ(acceptance.kind, Kind::Refused);
    EXPECT_EQ(acceptance.messageId, ids::kNoControlSignal);
    EXPECT_EQ(acceptance.focus, EntryField::ControlSignal);
}

}  // namespace
}  // namespace veritom::test
