// The checks of the Application step on the selection database the build makes: each
// message key reached, with the value appended in the unit of the entry it concerns, the
// entry that gets the focus, and the pass cases.
#include <gtest/gtest.h>

#include <functional>

#include "MessageRecorder.h"
#include "StepDatabase.h"
#include "base/StringTable.h"
#include "data/CatalogueMessage.h"
#include "wizard/application/ApplicationCheck.h"
#include "wizard/application/CatalogCheck.h"
#include "wizard/application/SizingCheck.h"
#include "wizard/application/ValveSizeCheck.h"

namespace veritom::test {
namespace {

using Change = std::function<void(CProd_ValveData&)>;

struct CheckCase {
    const char* what;
    Change change;
    EmptyEntries empty;
    std::string key;  // empty: the check passes
    std::string suffix;
    EntryField focus = EntryField::None;
    bool select = false;
};

using Check = CCheckOutcome (*)(IDatabase&, const CProd_ValveData&, const EmptyEntries&);

void Expect(IDatabase& db, Check check, const CProd_ValveData& base,
            const std::vector<CheckCase>& cases) {
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.what);
        CProd_ValveData record = base;
        c.change(record);
        const CCheckOutcome outcome = check(db, record, c.empty);
        EXPECT_EQ(outcome.passed, c.key.empty());
        EXPECT_EQ(outcome.key, c.key);
        if (!c.key.empty() && c.key != "ExpectingRecord") {
            const auto text = LookupCatalogueMessage(db, c.key);
            ASSERT_TRUE(text.has_value()) << c.key;
            EXPECT_EQ(outcome.text, *text + c.suffix);
        }
        EXPECT_EQ(outcome.focus, c.focus);
        EXPECT_EQ(outcome.select, c.select);
    }
}

class Checks : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_db.IsOpen()); }

    MessageRecorder m_recorder;
    CStepDatabase m_db{"EN"};
};

// General purpose 2-way normally closed valves for water: the highest differential is
// 450 psi, the lowest minimum 0, the hottest fluid 300 °F, the highest inlet pressure 750.
CProd_ValveData CatalogWater() {
    CProd_ValveData r = WithFluid(GeneralPurpose(), "LIQ", "WATER");
    r.m_MethodLink = 1;
    r.m_ConFluidLink = std::string("08");
    r.m_App_MOPDVAL.Set(100, "PSIG");
    r.m_App_MinOPDVAL.Set(10, "PSIG");
    return r;
}

TEST_F(Checks, CatalogData) {
    using F = EntryField;
    const auto pressures = [](double maximum, const char* maxUnit, double minimum,
                              const char* minUnit) {
        return [=](CProd_ValveData& r) {
            r.m_App_MOPDVAL.Set(maximum, maxUnit);
            r.m_App_MinOPDVAL.Set(minimum, minUnit);
        };
    };
    const Change unchanged = [](CProd_ValveData&) {};
    Expect(m_db.Db(), &CCatalogCheck::Run, CatalogWater(),
           {
               {"a 1/2 inch water valve for 100 psi", unchanged, {}, "", ""},
               {"at the highest differential, any port",
                [&](CProd_ValveData& r) {
                    pressures(450, "PSIG", 0, "PSIG")(r);
                    r.m_ConFluidLink = std::string("ALL");
                },
                {},
                "",
                ""},
               {"no maximum",
                unchanged,
                {F::MaxPressureDifferential},
                "NullCheck",
                "",
                F::MaxPressureDifferential},
               {"no minimum",
                unchanged,
                {F::MinPressureDifferential},
                "NullCheck",
                "",
                F::MinPressureDifferential},
               {"neither: the maximum first",
                unchanged,
                {F::MinPressureDifferential, F::MaxPressureDifferential},
                "NullCheck",
                "",
                F::MaxPressureDifferential},
               {"minimum above maximum",
                pressures(40, "PSIG", 50, "PSIG"),
                {},
                "PressDiffCheck",
                "\n40.0 psig  ",
                F::MinPressureDifferential,
                true},
               // Differentials: 5 bar is 72.5 psi; 40 psi is 2.76 bar, shown in the
               // minimum's unit.
               {"minimum in bar above maximum in psi",
                pressures(40, "PSIG", 5, "BAR"),
                {},
                "PressDiffCheck",
                "\n2.8 bar abs  ",
                F::MinPressureDifferential,
                true},
               {"maximum above every rating",
                pressures(500, "PSIG", 10, "PSIG"),
                {},
                "MOPDToHigh",
                "\n450.0 psig  ",
                F::MaxPressureDifferential,
                true},
               // 40 bar of differential is 580 psi; 450 psi is 31.03 bar.
               {"maximum in bar above every rating",
                pressures(40, "BAR", 10, "PSIG"),
                {},
                "MOPDToHigh",
                "\n31.0 bar abs  ",
                F::MaxPressureDifferential,
                true},
               {"no 2 inch valve holds 400 psi",
                [](CProd_ValveData& r) {
                    r.m_ConFluidLink = std::string("32");
                    r.m_App_MOPDVAL.Set(400, "PSIG");
                },
                {},
                "NoRecordSet",
                "",
                F::None},
               {"an inlet pressure above every rating counts when it applies",
                [](CProd_ValveData& r) {
                    r.m_ChkBxFlags |= CProd_ValveData::kFlagMaxInletPressureApplies;
                    r.m_App_MaxInPressureVAL.Set(1000, "PSIG");
                },
                {},
                "NoRecordSet",
                "",
                F::None},
               {"and not when it does not",
                [](CProd_ValveData& r) {
                    r.m_ChkBxFlags &= ~CProd_ValveData::kFlagMaxInletPressureApplies;
                    r.m_App_MaxInPressureVAL.Set(1000, "PSIG");
                },
                {},
                "",
                ""},
           });

    // Externally piloted 4-way valves need 25 psi to shift.
    CProd_ValveData fourWay = WithFluid(GeneralPurpose("4W", "4SR", "IP"), "GAS", "AIR");
    fourWay.m_MethodLink = 1;
    fourWay.m_ConFluidLink = std::string("ALL");
    Expect(m_db.Db(), &CCatalogCheck::Run, fourWay,
           {
               {"minimum below every valve's need",
                pressures(100, "PSIG", 10, "PSIG"),
                {},
                "MinOPDToLow",
                "\n25.0 psig  ",
                F::MinPressureDifferential,
                false},
               {"at the lowest minimum", pressures(100, "PSIG", 25, "PSIG"), {}, "", ""},
               // 1.5 bar of differential is 21.8 psi; 25 psi is 1.72 bar.
               {"minimum in bar",
                pressures(100, "PSIG", 1.5, "BAR"),
                {},
                "MinOPDToLow",
                "\n1.7 bar abs  ",
                F::MinPressureDifferential,
                false},
               // 2 bar of differential is 29 psi.
               {"minimum in bar enough to shift", pressures(100, "PSIG", 2, "BAR"), {}, "", ""},
           });
}

// The differentials are differences of pressure: entered in any pressure unit they meet the
// catalogue's limits (in psi) exactly where the same differential in psi does, and a limit
// appended to a message is that many psi in the entry's unit. Water valves of any port hold
// at most 450 psi; the externally piloted 4-way valves need at least 25 psi.
TEST_F(Checks, DifferentialsInEveryPressureUnit) {
    struct Row {
        const char* unit;
        double within, above;      // just below and above 450 psi
        const char* highest;       // 450 psi
        double enough, tooLittle;  // just above and below 25 psi
        const char* lowest;        // 25 psi
        double underHundred, overHundred;
        const char* hundred;  // 100 psi
    };
    const Row rows[] = {
        {"PA", 3.1e6, 3.11e6, "3102640.6 Pa abs", 180000, 170000, "172368.9 Pa abs", 685000, 690000,
         "689475.7 Pa abs"},
        {"KPA", 3100, 3110, "3102.6 kPa abs", 180, 170, "172.4 kPa abs", 685, 690, "689.5 kPa abs"},
        {"MPA", 3.1, 3.11, "3.1 MPa abs", 0.18, 0.17, "0.2 MPa abs", 0.685, 0.69, "0.7 MPa abs"},
        {"BAR", 31, 31.1, "31.0 bar abs", 1.8, 1.7, "1.7 bar abs", 6.85, 6.9, "6.9 bar abs"},
        {"ATM", 30.6, 30.7, "30.6 atm abs", 1.8, 1.6, "1.7 atm abs", 6.8, 6.81, "6.8 atm abs"},
        {"PSIA", 449.9, 450.1, "450.0 psi abs", 25.1, 24.9, "25.0 psi abs", 99.9, 100.1,
         "100.0 psi abs"},
        {"PSIG", 449.9, 450.1, "450.0 psig", 25.1, 24.9, "25.0 psig", 99.9, 100.1, "100.0 psig"},
    };
    using F = EntryField;
    const auto maximum = [](double value, const char* unit) {
        return [=](CProd_ValveData& r) {
            r.m_ConFluidLink = std::string("ALL");
            r.m_App_MOPDVAL.Set(value, unit);
            r.m_App_MinOPDVAL.Set(0, "PSIG");
        };
    };
    const auto minimum = [](double value, const char* unit) {
        return [=](CProd_ValveData& r) {
            r.m_App_MOPDVAL.Set(100, "PSIG");
            r.m_App_MinOPDVAL.Set(value, unit);
        };
    };
    const auto suffix = [](const char* limit) {
        return std::string("\n").append(limit).append("  ");
    };
    CProd_ValveData fourWay = WithFluid(GeneralPurpose("4W", "4SR", "IP"), "GAS", "AIR");
    fourWay.m_MethodLink = 1;
    fourWay.m_ConFluidLink = std::string("ALL");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.unit);
        Expect(m_db.Db(), &CCatalogCheck::Run, CatalogWater(),
               {
                   {"maximum within", maximum(row.within, row.unit), {}, "", ""},
                   {"maximum above",
                    maximum(row.above, row.unit),
                    {},
                    "MOPDToHigh",
                    suffix(row.highest),
                    F::MaxPressureDifferential,
                    true},
                   {"minimum below 100 psi", minimum(row.underHundred, row.unit), {}, "", ""},
                   {"minimum above 100 psi",
                    minimum(row.overHundred, row.unit),
                    {},
                    "PressDiffCheck",
                    suffix(row.hundred),
                    F::MinPressureDifferential,
                    true},
               });
        Expect(m_db.Db(), &CCatalogCheck::Run, fourWay,
               {
                   {"enough to shift", minimum(row.enough, row.unit), {}, "", ""},
                   {"too little to shift",
                    minimum(row.tooLittle, row.unit),
                    {},
                    "MinOPDToLow",
                    suffix(row.lowest),
                    F::MinPressureDifferential},
               });
    }
}

CProd_ValveData SizingWater() {
    CProd_ValveData r = WithFluid(GeneralPurpose(), "LIQ", "WATER");
    r.m_MethodLink = 2;
    r.m_App_FlowRateVAL.Set(10, "GPM");
    r.m_App_FluidTempVAL.Set(100, "DEG_F");
    r.m_App_MOPDVAL.Set(25, "PSIG");
    r.m_App_MaxInPressureVAL.Set(100, "PSIG");
    return r;
}

TEST_F(Checks, CalculatedValveSize) {
    using F = EntryField;
    const Change unchanged = [](CProd_ValveData&) {};
    const auto set = [](CUnitDoubleExSel CProd_ValveData::*member, double value, const char* unit) {
        return [=](CProd_ValveData& r) { (r.*member).Set(value, unit); };
    };
    const auto both = [](Change a, Change b) {
        return [=](CProd_ValveData& r) {
            a(r);
            b(r);
        };
    };
    const Change inletApplies = [](CProd_ValveData& r) {
        r.m_ChkBxFlags |= CProd_ValveData::kFlagMaxInletPressureApplies;
    };
    const Change otherLiquid = [](CProd_ValveData& r) {
        r.m_ChkBxFlags |= CProd_ValveData::kFlagMediumNotListed;
        r.m_FluidLink = std::string("OTHERLIQ");
    };
    const Change hugeFlow = set(&CProd_ValveData::m_App_FlowRateVAL, 100000, "GPM");
    const Change oneBar = set(&CProd_ValveData::m_App_MOPDVAL, 1, "BAR");
    Expect(m_db.Db(), &CSizingCheck::Run, SizingWater(),
           {
               {"10 gpm of water at 25 psi", unchanged, {}, "", ""},
               {"no flow rate", unchanged, {F::FlowRate}, "NullCheck2", "", F::FlowRate},
               {"no temperature",
                unchanged,
                {F::FluidTemperature},
                "NullCheck2",
                "",
                F::FluidTemperature},
               {"no differential",
                unchanged,
                {F::MaxPressureDifferential},
                "NullCheck2",
                "",
                F::MaxPressureDifferential},
               {"no inlet pressure",
                unchanged,
                {F::MaxInletPressure},
                "NullCheck2",
                "",
                F::MaxInletPressure},
               {"the four in order",
                unchanged,
                {F::MaxInletPressure, F::FluidTemperature},
                "NullCheck2",
                "",
                F::FluidTemperature},
               {"no flow",
                set(&CProd_ValveData::m_App_FlowRateVAL, 0, "GPM"),
                {},
                "PositiveCheck2",
                "",
                F::FlowRate,
                true},
               {"a negative flow",
                set(&CProd_ValveData::m_App_FlowRateVAL, -3, "LPM"),
                {},
                "PositiveCheck2",
                "",
                F::FlowRate,
                true},
               {"no differential",
                set(&CProd_ValveData::m_App_MOPDVAL, 0, "PSIG"),
                {},
                "PositiveCheck2",
                "",
                F::MaxPressureDifferential,
                true},
               {"a differential below zero",
                set(&CProd_ValveData::m_App_MOPDVAL, -0.5, "BAR"),
                {},
                "PositiveCheck2",
                "",
                F::MaxPressureDifferential,
                true},
               {"too hot",
                set(&CProd_ValveData::m_App_FluidTempVAL, 400, "DEG_F"),
                {},
                "TempTooHigh",
                "\n300.0 \u00B0F  ",
                F::FluidTemperature},
               // 200 °C is 392 °F; 300 °F is 148.9 °C.
               {"too hot in Celsius",
                set(&CProd_ValveData::m_App_FluidTempVAL, 200, "DEG_C"),
                {},
                "TempTooHigh",
                "\n148.9 \u00B0C  ",
                F::FluidTemperature},
               {"differential above every rating",
                set(&CProd_ValveData::m_App_MOPDVAL, 500, "PSIG"),
                {},
                "MOPDToHigh",
                "\n450.0 psig  ",
                F::MaxPressureDifferential,
                true},
               // 1 bar is 14.5 psi of differential, not the -0.19 psig of an absolute bar.
               {"a differential of 1 bar", oneBar, {}, "", ""},
               // 31.1 bar is 451 psi of differential (an absolute 31.1 bar reads 436 psig).
               {"differential in bar above every rating",
                set(&CProd_ValveData::m_App_MOPDVAL, 31.1, "BAR"),
                {},
                "MOPDToHigh",
                "\n31.0 bar abs  ",
                F::MaxPressureDifferential,
                true},
               {"inlet pressure above every rating",
                both(inletApplies, set(&CProd_ValveData::m_App_MaxInPressureVAL, 1000, "PSIG")),
                {},
                "MIPToHigh",
                "\n750.0 psig  ",
                F::MaxInletPressure},
               // 60 bar abs is 855.5 psig; 750 psig is 52.7 bar abs.
               {"inlet pressure in bar",
                both(inletApplies, set(&CProd_ValveData::m_App_MaxInPressureVAL, 60, "BAR")),
                {},
                "MIPToHigh",
                "\n52.7 bar abs  ",
                F::MaxInletPressure},
               {"a flow no valve passes, with the inlet pressure also too high",
                both(hugeFlow, set(&CProd_ValveData::m_App_MaxInPressureVAL, 1000, "PSIG")),
                {},
                "MIPToHigh",
                "\n750.0 psig  ",
                F::MaxInletPressure},
               {"a flow no valve passes", hugeFlow, {}, "NoRecordSet", "", F::None},
               {"colder than any valve takes",
                set(&CProd_ValveData::m_App_FluidTempVAL, -100, "DEG_F"),
                {},
                "NoRecordSet",
                "",
                F::None},
               {"a medium not listed that no valve passes",
                both(otherLiquid, hugeFlow),
                {},
                "OtherMedia_Sizing",
                "",
                F::None},
               {"a medium not listed that a valve passes", otherLiquid, {}, "", ""},
               {"a fluid no valve is rated for",
                [](CProd_ValveData& r) { r.m_FluidLink = std::string("NOSUCHFLUID"); },
                {},
                "ExpectingRecord",
                "",
                F::None},
           });
}

TEST_F(Checks, CalculatedFlowFactorIsPassedOn) {
    CProd_ValveData water = SizingWater();
    // 10 gpm * sqrt(1 / 25 psi)
    EXPECT_EQ(CSizingCheck::Run(m_db.Db(), water).calculatedCv, 2.0);
    // 10 scfm of air at 100 psig and 68 °F through 20 psi: subcritical.
    CProd_ValveData air = WithFluid(GeneralPurpose(), "GAS", "AIR");
    air.m_MethodLink = 2;
    air.m_App_FlowRateVAL.Set(10, "CU_FT_MIN");
    air.m_App_FluidTempVAL.Set(20, "DEG_C");
    air.m_App_MOPDVAL.Set(20, "PSIG");
    air.m_App_MaxInPressureVAL.Set(100, "PSIG");
    const CCheckOutcome outcome = CSizingCheck::Run(m_db.Db(), air);
    EXPECT_TRUE(outcome.passed);
    EXPECT_NEAR(outcome.calculatedCv, 0.232870, 1e-5);
    // The flow rate crosses in gpm for liquids whatever unit it was entered in.
    water.m_App_FlowRateVAL.Set(37.854118, "LPM");
    EXPECT_NEAR(*CSizingCheck::CalculateFlowFactor(m_db.Db(), water), 2.0, 1e-5);

    // The differential crosses as a difference, the inlet pressure as a pressure: the same
    // 20 psi through a valve fed at 100 psig, entered in other units, needs the same Cv.
    struct Entry {
        double differential;
        const char* differentialUnit;
        double inlet;
        const char* inletUnit;
    };
    const Entry entries[] = {
        {20, "PSIA", 114.69439, "PSIA"},    {1.378951, "BAR", 7.907899, "BAR"},
        {137.8951, "KPA", 790.7899, "KPA"}, {0.1378951, "MPA", 0.7907899, "MPA"},
        {1.360919, "ATM", 7.804490, "ATM"}, {137895.1, "PA", 790789.9, "PA"},
        {1.378951, "BAR", 100, "PSIG"},
    };
    for (const Entry& e : entries) {
        SCOPED_TRACE(std::string(e.differentialUnit) + ", " + e.inletUnit);
        CProd_ValveData entered = air;
        entered.m_App_MOPDVAL.Set(e.differential, e.differentialUnit);
        entered.m_App_MaxInPressureVAL.Set(e.inlet, e.inletUnit);
        EXPECT_NEAR(*CSizingCheck::CalculateFlowFactor(m_db.Db(), entered), 0.232870, 1e-5);
        CProd_ValveData liquid = SizingWater();
        liquid.m_App_MOPDVAL.Set(e.differential * 1.25, e.differentialUnit);  // 25 psi
        EXPECT_NEAR(*CSizingCheck::CalculateFlowFactor(m_db.Db(), liquid), 2.0, 1e-5);
    }
}

// A flow factor of 0 (or none at all) would let every valve pass: the check fails instead.
TEST(SizingCheck, NoFlowFactorFailsTheCheck) {
    const std::string params =
        " WHERE :parFluidStateLink IS NOT NULL AND :parFluidLink IS NOT NULL"
        " AND :parMOPDValue IS NOT NULL AND :parUserFlowRate_GPM IS NOT NULL";
    for (const char* sql : {"SELECT NULL AS CalcCv", "SELECT 0.0 AS CalcCv",
                            "SELECT -1.0 AS CalcCv", "SELECT 1.0 AS CalcCv LIMIT 0"}) {
        SCOPED_TRACE(sql);
        MessageRecorder recorder;
        std::string query = sql;
        const std::size_t limit = query.find(" LIMIT");
        query = limit == std::string::npos ? query + params
                                           : query.substr(0, limit) + params + query.substr(limit);
        CStepDatabase db("EN", ReplaceQuery("qFlowRate_Calc_Liq", query));
        ASSERT_TRUE(db.IsOpen());
        CProd_ValveData record = SizingWater();
        EXPECT_EQ(CSizingCheck::Run(db.Db(), record).key, "NoRecordSet");
        record.m_ChkBxFlags |= CProd_ValveData::kFlagMediumNotListed;
        record.m_FluidLink = std::string("OTHERLIQ");
        EXPECT_EQ(CSizingCheck::Run(db.Db(), record).key, "OtherMedia_Sizing");
    }
}

TEST(SizingCheck, NoTemperatureLimitIsNamed) {
    MessageRecorder recorder;
    CStepDatabase db("EN", ReplaceQuery("qTempMax",
                                        "SELECT 1 AS MaxTemp_F FROM Valve v WHERE 0 AND "
                                        ":parFuncLink || :parFloPatLink || "
                                        ":parFloPatOptLink || :parAppTypeLink || "
                                        ":parAppCategoryLink || :parFluidStateLink || "
                                        ":parFluidLink IS NOT NULL"));
    ASSERT_TRUE(db.IsOpen());
    CProd_ValveData record = SizingWater();
    record.m_App_FluidTempVAL.Set(400, "DEG_F");
    const CCheckOutcome outcome = CSizingCheck::Run(db.Db(), record);
    EXPECT_EQ(outcome.key, "ExpectingRecord");
    EXPECT_EQ(outcome.text, "Expecting record: qTempMax");
    EXPECT_EQ(outcome.focus, EntryField::None);
}

// A message the catalogue has no text for shows no box, but the check still fails.
TEST(SizingCheck, AnEmptyMessageStillFails) {
    MessageRecorder recorder;
    CStepDatabase db("EN",
                     "UPDATE Messages SET MessageLinkText = '' WHERE MessageLink = "
                     "'TempTooHigh';");
    CProd_ValveData record = SizingWater();
    record.m_App_FluidTempVAL.Set(400, "DEG_F");
    const CCheckOutcome outcome = CSizingCheck::Run(db.Db(), record);
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.key, "TempTooHigh");
    EXPECT_EQ(outcome.text, "");
    EXPECT_EQ(outcome.focus, EntryField::FluidTemperature);
}

TEST_F(Checks, ValveSizeInformation) {
    using F = EntryField;
    const auto tick = [](std::uint32_t bit, CUnitDoubleExSel CProd_ValveData::*member, double value,
                         const char* unit) {
        return [=](CProd_ValveData& r) {
            r.m_ChkBxFlags |= bit;
            if (member) {
                (r.*member).Set(value, unit);
            }
        };
    };
    const auto both = [](Change a, Change b) {
        return [=](CProd_ValveData& r) {
            a(r);
            b(r);
        };
    };
    const auto inlet = [&](double value, const char* unit) {
        return tick(CProd_ValveData::kFlagMaxInletPressureTicked,
                    &CProd_ValveData::m_App_MaxInPressureVAL, value, unit);
    };
    const auto volume = [&](double value, const char* unit) {
        return tick(CProd_ValveData::kFlagVolumetricFlowTicked,
                    &CProd_ValveData::m_App_MaxVolumetricFlowVAL, value, unit);
    };
    const auto factor = [&](double value, const char* unit) {
        return tick(CProd_ValveData::kFlagFlowFactorTicked, &CProd_ValveData::m_App_FlowFactorVAL,
                    value, unit);
    };
    const Change signal = [](CProd_ValveData& r) {
        r.m_ChkBxFlags |= CProd_ValveData::kFlagControlSignalTicked;
        r.m_ControlSigLink = std::string("NOSUCHSIGNAL");
    };
    // Proportional gas valves: Cv up to 0.25, 25000 cc/min, inlet pressure up to 200 psig.
    Expect(
        m_db.Db(), &CValveSizeCheck::Run, Proportional(),
        {
            {"nothing ticked: any valve of the application", [](CProd_ValveData&) {}, {}, "", ""},
            {"within every limit",
             both(both(inlet(150, "PSIG"), volume(20000, "CC_MIN")), factor(0.2, "CV")),
             {},
             "",
             ""},
            {"an empty entry that is not ticked",
             [](CProd_ValveData&) {},
             {F::FlowFactor, F::MaxInletPressure},
             "",
             ""},
            {"ticked and empty, in row order",
             both(inlet(1, "PSIG"), factor(1, "CV")),
             {F::FlowFactor, F::MaxInletPressure},
             "NullCheck",
             "",
             F::MaxInletPressure},
            {"volumetric flow ticked and empty",
             volume(1, "CC_MIN"),
             {F::VolumetricFlow},
             "NullCheck",
             "",
             F::VolumetricFlow},
            {"flow factor above every valve's",
             factor(1, "CV"),
             {},
             "FloFacToHigh",
             "  0.25 Cv",
             F::FlowFactor},
            // 10 Kv is 0.70 Cv; 0.25 Cv is 3.57 Kv.
            {"flow factor in Kv", factor(10, "KV"), {}, "FloFacToHigh", "  3.57 Kv", F::FlowFactor},
            {"volumetric flow above every valve's",
             volume(30000, "CC_MIN"),
             {},
             "VolFlowToHigh",
             "  25000 cc/min",
             F::VolumetricFlow},
            {"volumetric flow limit below 1 in the entered unit",
             volume(0.03, "CU_M_MIN"),
             {},
             "VolFlowToHigh",
             "  0.025 m\u00B3/min",
             F::VolumetricFlow},
            {"volumetric flow limit of 1 or more",
             volume(30, "LPM"),
             {},
             "VolFlowToHigh",
             "  25 lpm",
             F::VolumetricFlow},
            {"inlet pressure above every valve's",
             inlet(300, "PSIG"),
             {},
             "MIPToHigh",
             "  200 psig",
             F::MaxInletPressure},
            // 20 bar abs is 275 psig; 200 psig is 14.8 bar abs.
            {"inlet pressure in bar",
             inlet(20, "BAR"),
             {},
             "MIPToHigh",
             "  15 bar abs",
             F::MaxInletPressure},
            {"flow factor named before volumetric flow",
             both(factor(1, "CV"), volume(30000, "CC_MIN")),
             {},
             "FloFacToHigh",
             "  0.25 Cv",
             F::FlowFactor},
            {"volumetric flow named before inlet pressure",
             both(volume(30000, "CC_MIN"), inlet(300, "PSIG")),
             {},
             "VolFlowToHigh",
             "  25000 cc/min",
             F::VolumetricFlow},
            {"each within its limit, but not together",
             both(factor(0.25, "CV"), inlet(200, "PSIG")),
             {},
             "NoRecordSet",
             "",
             F::None},
            {"a control signal no valve has", signal, {}, "NoRecordSet", "", F::None},
        });
}

// The command line and the dialogs run the same check for the record's method.
TEST_F(Checks, TheMethodChoosesTheCheck) {
    CProd_ValveData catalog = CatalogWater();
    catalog.m_App_MOPDVAL.Set(500, "PSIG");
    CProd_ValveData sizing = SizingWater();
    sizing.m_App_FluidTempVAL.Set(400, "DEG_F");
    CProd_ValveData valveSize = Proportional();
    valveSize.m_ChkBxFlags |= CProd_ValveData::kFlagFlowFactorTicked;
    valveSize.m_App_FlowFactorVAL.Set(1, "CV");
    CProd_ValveData noMethod = CatalogWater();
    noMethod.m_MethodLink = 0;
    CProd_ValveData noApplication = CatalogWater();
    noApplication.m_SelMethodCode = 0;

    EXPECT_EQ(CApplicationCheck::Run(m_db.Db(), catalog)->key, "MOPDToHigh");
    EXPECT_EQ(CApplicationCheck::Run(m_db.Db(), sizing)->key, "TempTooHigh");
    EXPECT_EQ(CApplicationCheck::Run(m_db.Db(), valveSize)->key, "FloFacToHigh");
    EXPECT_FALSE(CApplicationCheck::Run(m_db.Db(), noMethod).has_value());
    EXPECT_FALSE(CApplicationCheck::Run(m_db.Db(), noApplication).has_value());
}

// The German catalogue gives its own texts; the numbers and units are appended the same way.
TEST(ChecksInGerman, MessagesComeFromTheLanguagesCatalogue) {
    MessageRecorder recorder;
    CStepDatabase de("DE");
    ASSERT_TRUE(de.IsOpen());
    CProd_ValveData record = CatalogWater();
    record.m_App_MOPDVAL.Set(500, "PSIG");
    const CCheckOutcome outcome = CCatalogCheck::Run(de.Db(), record);
    EXPECT_EQ(outcome.text,
              "Der maximale Differenzdruck liegt über dem zulässigen Differenzdruck aller Ventile "
              "dieser Art. Der höchste verfügbare Wert ist\n450.0 psig  ");
}

}  // namespace
}  // namespace veritom::test
