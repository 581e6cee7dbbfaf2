// The Valve Selection Method dialog's decisions on the selection database the build makes:
// opening, the method switch with each method's flags, fluid states and lists, the medium not
// listed, and OK.
#include <gtest/gtest.h>

#include "MessageRecorder.h"
#include "StepDatabase.h"
#include "wizard/WizardStrings.h"
#include "wizard/application/KnownParameters.h"

namespace veritom::test {
namespace {

constexpr std::uint32_t kMedium = CProd_ValveData::kFlagMediumNotListed;

class KnownParameters : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_db.IsOpen()); }

    // A form opened on record.
    CKnownParameters Open(const CProd_ValveData& record) {
        CKnownParameters form(m_db.Db(), record);
        form.Load();
        return form;
    }

    static std::vector<std::string> Links(const CKnownParameters& form, bool selectable) {
        std::vector<std::string> links;
        for (const auto& fluid : form.GetFluids()) {
            if (fluid.selectable == selectable) {
                links.push_back(fluid.link);
            }
        }
        return links;
    }

    static std::string SelectedFluid(const CKnownParameters& form) {
        const int index = form.GetSelectedFluid();
        return index < 0 ? "" : form.GetFluids()[static_cast<std::size_t>(index)].link;
    }

    static int IndexOf(const CKnownParameters& form, const std::string& link) {
        for (std::size_t i = 0; i < form.GetFluids().size(); ++i) {
            if (form.GetFluids()[i].link == link) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    MessageRecorder m_recorder;
    CStepDatabase m_db{"EN"};
};

TEST_F(KnownParameters, OpeningAFreshApplication) {
    CKnownParameters form = Open(GeneralPurpose());
    EXPECT_EQ(form.GetMethod(), 1);
    EXPECT_EQ(form.GetMethodText(), "Select valve by catalog data");
    EXPECT_NE(form.GetInformation().find("Choose the port size"), std::string::npos);
    // The first state the application serves, with its default fluid.
    EXPECT_EQ(form.GetState(), "GAS");
    EXPECT_TRUE(form.IsStateAvailable("LIQ"));
    EXPECT_TRUE(form.IsStateAvailable("OIL"));
    EXPECT_EQ(SelectedFluid(form), "AIR");
    EXPECT_EQ(form.GetPortSizes().size(), 9u);
    EXPECT_EQ(form.GetPortSizes()[3].text, "1/2\"");
    EXPECT_EQ(form.GetSelectedPortSize(), -1);
    // A fresh record keeps method 1's flags in the second word (port size rows, inlet
    // pressure applies) and method 2's in the first.
    EXPECT_EQ(form.GetFlags(), CProd_ValveData::kDefaultChkBxFlagsAlt);
    EXPECT_EQ(form.FlagsOf(2), CProd_ValveData::kDefaultChkBxFlags);
    EXPECT_FALSE(form.IsMediumNotListed());
    EXPECT_FALSE(form.ShowsAllFluids());
    EXPECT_EQ(form.Quantity(EntryField::MaxPressureDifferential).Value(), 100);
    EXPECT_EQ(form.Quantity(EntryField::FlowRate).Unit(), "CU_FT_MIN");
}

TEST_F(KnownParameters, OpeningRestoresTheStoredAnswers) {
    CProd_ValveData record = WithFluid(GeneralPurpose(), "LIQ", "HOTWATER");
    record.m_FluidVAL = std::string("Hot water");
    record.m_MethodLink = 1;
    record.m_ConFluidLink = std::string("08");
    record.m_App_PortSizeVAL = std::string("1/2\"");
    record.m_ComFluidLink = 0;
    record.m_ChkBxFlags = CProd_ValveData::kDefaultChkBxFlagsAlt | kMedium;
    CKnownParameters form = Open(record);
    EXPECT_EQ(form.GetState(), "LIQ");
    EXPECT_EQ(SelectedFluid(form), "HOTWATER");
    EXPECT_EQ(form.GetSelectedPortSize(), 3);
    EXPECT_TRUE(form.ShowsAllFluids());
    EXPECT_TRUE(form.IsMediumNotListed());

    // "Water" is the stored fluid: the fluid itself, not the first it begins.
    record.m_FluidVAL = std::string("Water");
    record.m_ComFluidLink = 1;
    EXPECT_EQ(SelectedFluid(Open(record)), "WATER");
}

TEST_F(KnownParameters, EachMethodKeepsItsOwnFlags) {
    CProd_ValveData record = GeneralPurpose();
    record.m_MethodLink = 2;
    record.m_ChkBxFlags = 0xFFFF0000u;     // method 2's, current
    record.m_ChkBxFlagsAlt = 0xFFFF00A1u;  // method 1's
    CKnownParameters form = Open(record);
    EXPECT_EQ(form.GetMethod(), 2);
    EXPECT_EQ(form.GetMethodText(), "Calculated valve size");
    // The rows of the calculation are set up: bits 3 and 4.
    EXPECT_EQ(form.GetFlags(), 0xFFFF0018u);
    EXPECT_EQ(form.FlagsOf(1), 0xFFFF00A1u);
    EXPECT_TRUE(form.GetPortSizes().empty());  // read when method 1 is first shown

    ASSERT_TRUE(form.SetMethod(1));
    EXPECT_EQ(form.GetFlags(), 0xFFFF00A7u);  // bits 1 and 2 for the catalog data rows
    EXPECT_EQ(form.FlagsOf(2), 0xFFFF0018u);
    EXPECT_EQ(form.GetMethodText(), "Select valve by catalog data");
    EXPECT_EQ(form.GetPortSizes().size(), 9u);
    EXPECT_FALSE(form.SetMethod(1));

    // The medium not listed goes into both; switching back and forth keeps the rest.
    form.SetMediumNotListed(true);
    ASSERT_TRUE(form.SetMethod(2));
    EXPECT_EQ(form.GetFlags(), 0xFFFF0018u | kMedium);
    ASSERT_TRUE(form.SetMethod(1));
    EXPECT_EQ(form.GetFlags(), 0xFFFF00A7u | kMedium);
    form.SetMediumNotListed(false);
    EXPECT_EQ(form.GetFlags(), 0xFFFF00A7u);
    EXPECT_EQ(form.FlagsOf(2), 0xFFFF0018u);
}

TEST_F(KnownParameters, RowsOfEachMethod) {
    std::vector<std::string> catalog;
    for (const auto& row : CKnownParameters::Rows(1)) {
        catalog.push_back(CKnownParameters::RowLabel(row));
    }
    EXPECT_EQ(catalog,
              (std::vector<std::string>{"Port Size:", "Max. Pressure Differential:",
                                        "Min. Pressure Differential: *", "Max. Inlet Pressure:"}));
    std::vector<EntryField> fields;
    for (const auto& row : CKnownParameters::Rows(2)) {
        fields.push_back(row.field);
    }
    EXPECT_EQ(fields, (std::vector<EntryField>{EntryField::FlowRate, EntryField::FluidTemperature,
                                               EntryField::MaxPressureDifferential,
                                               EntryField::MaxInletPressure}));
    EXPECT_EQ(CKnownParameters::RowLabel(CKnownParameters::Rows(2)[2]), "Pressure Differential:");
}

TEST_F(KnownParameters, FluidStateMovesTheFlowRateUnit) {
    struct Case {
        const char* state;
        const char* unitBefore;
        const char* unitAfter;
        const char* defaultFluid;
    };
    const Case cases[] = {
        {"LIQ", "CU_FT_MIN", "GPM", "WATER"},   {"OIL", "CU_FT_MIN", "GPM", "LIGHTOIL"},
        {"LIQ", "LPM", "LPM", "WATER"},         {"GAS", "GPM", "CU_FT_MIN", "AIR"},
        {"GAS", "CU_M_MIN", "CU_M_MIN", "AIR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.state) + " " + c.unitBefore);
        CProd_ValveData record =
            WithFluid(GeneralPurpose(), c.state == std::string("GAS") ? "OIL" : "GAS", "");
        record.m_App_FlowRateVAL.Set(12, c.unitBefore);
        CKnownParameters form = Open(record);
        ASSERT_TRUE(form.SetState(c.state));
        EXPECT_EQ(form.Quantity(EntryField::FlowRate).Unit(), c.unitAfter);
        EXPECT_EQ(form.Quantity(EntryField::FlowRate).Value(), 12);
        EXPECT_EQ(SelectedFluid(form), c.defaultFluid);
        EXPECT_FALSE(form.SetState(c.state));
    }
    // Steam service has no oil.
    CProd_ValveData steam = GeneralPurpose();
    steam.m_AppTypeLink = std::string("STEAM");
    steam.m_AppCategoryLink = std::string("Specialty");
    CKnownParameters form = Open(steam);
    EXPECT_FALSE(form.IsStateAvailable("OIL"));
    EXPECT_FALSE(form.SetState("OIL"));
}

TEST_F(KnownParameters, ShowingAllFluidsKeepsTheChoice) {
    CProd_ValveData record = WithFluid(GeneralPurpose("4W", "4SR", "IP"), "LIQ", "WATER");
    record.m_FluidVAL = std::string("Isopropyl alcohol");
    CKnownParameters form = Open(record);
    EXPECT_EQ(SelectedFluid(form), "ISOPROP");
    EXPECT_EQ(IndexOf(form, "ETHANOL"), -1);
    form.SetShowAllFluids(true);
    EXPECT_EQ(SelectedFluid(form), "ISOPROP");
    const auto selectable = Links(form, true);
    EXPECT_NE(std::find(selectable.begin(), selectable.end(), "ETHANOL"), selectable.end());
    const auto listedOnly = Links(form, false);
    EXPECT_NE(std::find(listedOnly.begin(), listedOnly.end(), "SEAWATER"), listedOnly.end());
    EXPECT_FALSE(form.SelectFluid(IndexOf(form, "SEAWATER")));
    ASSERT_TRUE(form.SelectFluid(IndexOf(form, "ETHANOL")));
    // Back to the compatible fluids: ethanol is gone, the default takes its place.
    form.SetShowAllFluids(false);
    EXPECT_EQ(SelectedFluid(form), "WATER");
}

TEST_F(KnownParameters, OkRefusesWithoutPortSizeOrFluid) {
    CKnownParameters noPort = Open(GeneralPurpose());
    auto acceptance = noPort.Accept();
    EXPECT_EQ(acceptance.kind, CKnownParameters::Acceptance::Kind::Refused);
    EXPECT_EQ(acceptance.messageId, ids::kNoConnectionSize);
    EXPECT_EQ(acceptance.focus, EntryField::PortSize);
    // The calculation needs no port size.
    ASSERT_TRUE(noPort.SetMethod(2));
    EXPECT_EQ(noPort.Accept().kind, CKnownParameters::Acceptance::Kind::Check);

    // No fluid: a state without any (the fuel gas valve with manual reset has gases only).
    CProd_ValveData fuelGas = ValveType("2W", "2NC", "MR");
    fuelGas.m_AppTypeLink = std::string("FUELGAS");
    fuelGas.m_AppCategoryLink = std::string("Specialty");
    CKnownParameters form = Open(fuelGas);
    ASSERT_TRUE(form.SelectPortSize(0));
    ASSERT_FALSE(form.GetFluids().empty());
    CStepDatabase noFluids("EN", "DELETE FROM FluidSeal;");
    CKnownParameters empty(noFluids.Db(), fuelGas);
    empty.Load();
    ASSERT_TRUE(empty.SelectPortSize(0));
    acceptance = empty.Accept();
    EXPECT_EQ(acceptance.kind, CKnownParameters::Acceptance::Kind::Refused);
    EXPECT_EQ(acceptance.messageId, ids::kNoFluid);
    EXPECT_EQ(acceptance.focus, EntryField::Fluid);
    // A medium not listed needs no fluid from the list.
    empty.SetMediumNotListed(true);
    EXPECT_EQ(empty.Accept().kind, CKnownParameters::Acceptance::Kind::Check);
    EXPECT_EQ(empty.WorkingRecord().m_FluidLink.Value(), "OTHERGAS");
}

TEST_F(KnownParameters, OkWritesTheAnswers) {
    CKnownParameters form = Open(GeneralPurpose());
    ASSERT_TRUE(form.SetState("LIQ"));
    ASSERT_TRUE(form.SelectPortSize(3));
    form.SetQuantity(EntryField::MaxPressureDifferential, CUnitDouble(7, "BAR"));
    form.SetShowAllFluids(true);
    ASSERT_EQ(form.Accept().kind, CKnownParameters::Acceptance::Kind::Check);
    const CProd_ValveData& w = form.WorkingRecord();
    EXPECT_EQ(w.m_MethodLink, 1);
    EXPECT_EQ(w.m_ChkBxFlags, form.GetFlags());
    EXPECT_EQ(w.m_ChkBxFlagsAlt, form.FlagsOf(2));
    EXPECT_EQ(w.m_App_PortSizeVAL.Value(), "1/2\"");
    EXPECT_EQ(w.m_ConFluidLink.Value(), "08");
    EXPECT_EQ(w.m_FluidLink.Value(), "WATER");
    EXPECT_EQ(w.m_FluidVAL.Value(), "Water");
    EXPECT_EQ(w.m_FluidStateVAL.Value(), "LIQ");
    EXPECT_EQ(w.m_FluidAndStateLink.Value(), "WATER_LIQ");
    EXPECT_EQ(w.m_FluidSpecificGravity.Value(), 1.0);
    EXPECT_EQ(w.m_FluidCategoryLink.Value(), "WATER");
    EXPECT_EQ(w.m_ComFluidLink.Value(), 0);
    EXPECT_EQ(w.m_App_MOPDVAL.Value(), 7);
    EXPECT_EQ(w.m_App_MOPDVAL.Unit(), "BAR");
    EXPECT_EQ(w.m_App_MOPDVAL.ValueKey(), "App_MOPDVAL");
    EXPECT_EQ(w.m_App_FlowRateVAL.Unit(), "GPM");
    EXPECT_EQ(w.m_App_SelMethodVAL.Value(), "Select valve by catalog data");

    // The medium not listed of the state is the fluid, without a second link.
    form.SetMediumNotListed(true);
    ASSERT_EQ(form.Accept().kind, CKnownParameters::Acceptance::Kind::Check);
    EXPECT_EQ(form.WorkingRecord().m_FluidLink.Value(), "OTHERLIQ");
    EXPECT_EQ(form.WorkingRecord().m_FluidCategoryLink.Value(), "OTHER");
    EXPECT_EQ(form.WorkingRecord().m_FluidAndStateLink.Value(), "");
    EXPECT_TRUE(form.WorkingRecord().m_ChkBxFlags & kMedium);
    EXPECT_TRUE(form.WorkingRecord().m_ChkBxFlagsAlt & kMedium);
}

TEST_F(KnownParameters, ConfirmingTheStoredAnswersIsUnchanged) {
    CKnownParameters first = Open(GeneralPurpose());
    ASSERT_TRUE(first.SelectPortSize(2));
    ASSERT_EQ(first.Accept().kind, CKnownParameters::Acceptance::Kind::Check);
    const CProd_ValveData stored = first.WorkingRecord();

    struct Case {
        const char* what;
        std::function<void(CKnownParameters&)> change;
        CKnownParameters::Acceptance::Kind kind;
    };
    using Kind = CKnownParameters::Acceptance::Kind;
    const std::vector<Case> cases = {
        {"nothing", [](CKnownParameters&) {}, Kind::Unchanged},
        {"another port", [](CKnownParameters& f) { f.SelectPortSize(3); }, Kind::Check},
        {"another fluid", [](CKnownParameters& f) { f.SelectFluid(1); }, Kind::Check},
        {"the other method", [](CKnownParameters& f) { f.SetMethod(2); }, Kind::Check},
        {"medium not listed", [](CKnownParameters& f) { f.SetMediumNotListed(true); }, Kind::Check},
        {"the same pressure in another unit",
         [](CKnownParameters& f) {
             f.SetQuantity(
                 EntryField::MaxPressureDifferential,
                 CUnitDouble(f.Quantity(EntryField::MaxPressureDifferential).GetValueIn("PSIA"),
                             "PSIA"));
         },
         Kind::Check},
        {"another temperature",
         [](CKnownParameters& f) {
             f.SetQuantity(EntryField::FluidTemperature, CUnitDouble(101, "DEG_F"));
         },
         Kind::Check},
        // Only which fluids are listed: no answer changes.
        {"showing all fluids", [](CKnownParameters& f) { f.SetShowAllFluids(true); },
         Kind::Unchanged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CKnownParameters form = Open(stored);
        c.change(form);
        const auto acceptance = form.Accept();
        EXPECT_EQ(acceptance.kind, c.kind);
        if (acceptance.kind == Kind::Unchanged) {
            EXPECT_TRUE(form.WorkingRecord() == stored);
        }
    }
}

TEST_F(KnownParameters, PassedSizingStoresTheFlowFactor) {
    CKnownParameters form = Open(WithFluid(GeneralPurpose(), "LIQ", "WATER"));
    ASSERT_TRUE(form.SetMethod(2));
    form.SetQuantity(EntryField::FlowRate, CUnitDouble(10, "GPM"));
    form.SetQuantity(EntryField::MaxPressureDifferential, CUnitDouble(25, "PSIG"));
    ASSERT_EQ(form.Accept().kind, CKnownParameters::Acceptance::Kind::Check);
    const CCheckOutcome outcome = form.Check({});
    ASSERT_TRUE(outcome.passed);
    EXPECT_EQ(form.WorkingRecord().m_CalcFlowFactorVAL.Value(), 2.0);
    EXPECT_EQ(form.WorkingRecord().m_CalcFlowFactorVAL.Unit(), "CV");
    // The catalog data method runs the catalog check.
    ASSERT_TRUE(form.SetMethod(1));
    ASSERT_TRUE(form.SelectPortSize(3));
    form.SetQuantity(EntryField::MaxPressureDifferential, CUnitDouble(5000, "PSIG"));
    ASSERT_EQ(form.Accept().kind, CKnownParameters::Acceptance::Kind::Check);
    EXPECT_EQ(form.Check({}).key, "MOPDToHigh");
    EXPECT_EQ(form.Check({EntryField::MinPressureDifferential}).key, "NullCheck");
}

}  // namespace
}  // namespace veritom::test
