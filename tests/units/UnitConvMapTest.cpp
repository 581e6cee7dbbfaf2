#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "base/Archive.h"
#include "base/StringTable.h"
#include "units/UnitCatalogue.h"
#include "units/UnitConvMap.h"

using namespace veritom;
using Texts = std::vector<std::string>;

TEST(UnitCatalogue, HasEveryDocumentedUnitOnceWithTexts) {
    const auto catalogue = UnitCatalogue();
    ASSERT_EQ(catalogue.size(), 82u);
    EXPECT_EQ(catalogue.front().code, "NONE");
    EXPECT_EQ(catalogue.back().code, "LBF_SEC_SQ_FT");
    std::set<std::string_view> codes;
    for (const auto& entry : catalogue) {
        EXPECT_TRUE(codes.insert(entry.code).second) << entry.code;
        EXPECT_EQ(FindUnit(entry.code), &entry.unit) << entry.code;
        EXPECT_GT(entry.unit.Factor(), 0) << entry.code;
        if (entry.code != "NONE") {
            EXPECT_FALSE(LoadString(entry.unit.TextId()).empty()) << entry.code;
            EXPECT_FALSE(LoadString(entry.unit.CategoryId()).empty()) << entry.code;
        }
    }
    EXPECT_EQ(FindUnit("psig"), nullptr);  // codes are case-sensitive
    // Each category except Vacuum has a base unit.
    std::set<int> categoriesWithBase;
    for (const auto& entry : catalogue) {
        if (entry.unit.Factor() == 1 && entry.unit.Offset() == 0) {
            categoriesWithBase.insert(entry.unit.CategoryId());
        }
    }
    EXPECT_EQ(categoriesWithBase.size(), 20u);
}

TEST(UnitConvMap, ConvertsBetweenCompatibleUnits) {
    struct Case {
        double value;
        const char* from;
        const char* to;
        double expected;
    };
    const Case cases[] = {
        {212, "DEG_F", "DEG_C", 100},
        {0, "DEG_K", "DEG_F", -459.67},
        {100, "DEG_C", "DEG_K", 373.15},
        {0, "PSIG", "PSIA", 101314.224 / 6894.757},
        {1, "CV", "KV", 14.28},
        {1, "BAR", "KPA", 100},
        {1000, "MM", "M", 1},
        {100, "CENTI_STOKE", "STOKE", 1},
        {1, "SQ_M_SEC", "CENTI_STOKE", 1e6},
        {1, "SQ_FT_SEC", "SQ_M_SEC", 0.09290304},
        {1, "PA_SEC", "CENTI_POISE", 1000},
        {5, "NOT_A_UNIT", "NOT_A_UNIT", 5},
    };
    test::MessageRecorder messages;
    for (const Case& c : cases) {
        EXPECT_NEAR(CUnitConvMap::Convert(c.value, c.from, c.to), c.expected,
                    1e-9 * std::max(1.0, std::abs(c.expected)))
            << c.value << ' ' << c.from << " -> " << c.to;
    }
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_NEAR(CUnitConvMap::Convert(0, "PSIG", "PSIA"), 14.6944, 1e-4);
}

TEST(UnitConvMap, FailedConversionShowsExactMessageAndGivesZero) {
    struct Case {
        const char* from;
        const char* to;
        const char* message;
    };
    const Case cases[] = {
        {"IN_HG", "PSIA", "These units are incompatible IN_HG PSIA"},
        {"PSIG", "IN_HG", "These units are incompatible PSIG IN_HG"},
        {"DEG_X", "DEG_F", "Unit Not Found  DEG_X"},
        {"DEG_F", "deg_c", "Unit Not Found  deg_c"},
        {"", "BAR", "Unit Not Found  "},
    };
    for (const Case& c : cases) {
        test::MessageRecorder messages;
        EXPECT_EQ(CUnitConvMap::Convert(7, c.from, c.to), 0) << c.from << ' ' << c.to;
        EXPECT_EQ(messages.Texts(), Texts{c.message});
        EXPECT_EQ(messages.boxes.at(0).buttons, MsgButtons::Ok);

        std::string why;
        EXPECT_FALSE(CUnitConvMap::TryConvert(7, c.from, c.to, &why).has_value());
        EXPECT_EQ(why, c.message);
        EXPECT_EQ(messages.boxes.size(), 1u) << "TryConvert must stay silent";
    }
}

// A pressure differential is a difference of two pressures: the gauge offset cancels, so
// every pressure unit converts to psi of difference by its factor alone, both ways.
TEST(UnitConvMap, DifferencesConvertByTheFactorsAlone) {
    struct Case {
        const char* unit;
        double psiPerUnit;  // physical: psi of difference in one unit of difference
    };
    const Case cases[] = {
        {"PA", 1.45037738e-4}, {"KPA", 0.145037738}, {"MPA", 145.037738}, {"BAR", 14.5037738},
        {"ATM", 14.6959488},   {"PSIA", 1},          {"PSIG", 1},
    };
    const double values[] = {0, 0.5, 5, 250, -3};
    test::MessageRecorder messages;
    for (const Case& c : cases) {
        for (const double value : values) {
            SCOPED_TRACE(std::to_string(value) + ' ' + c.unit);
            const double psi = CUnitConvMap::ConvertDifference(value, c.unit, "PSIG");
            EXPECT_NEAR(psi, value * c.psiPerUnit, 1e-6 * std::max(1.0, std::abs(psi)));
            EXPECT_NEAR(CUnitConvMap::ConvertDifference(value * c.psiPerUnit, "PSIG", c.unit),
                        value, 1e-6 * std::max(1.0, std::abs(value)));
            EXPECT_NEAR(CUnitConvMap::ConvertDifference(psi, "PSIG", c.unit), value,
                        1e-12 * std::max(1.0, std::abs(value)));
            EXPECT_EQ(CUnitConvMap::TryConvertDifference(value, c.unit, "PSIG"), psi);
            // The difference of two pressures converts as the difference does.
            const double upstream = value + 7;
            EXPECT_NEAR(CUnitConvMap::Convert(upstream, c.unit, "PSIG") -
                            CUnitConvMap::Convert(7, c.unit, "PSIG"),
                        psi, 1e-9 * std::max(1.0, std::abs(psi)));
        }
    }
    EXPECT_TRUE(messages.boxes.empty());

    // 5 bar of difference is 72.52 psi; 5 bar abs reads 57.82 on a gauge.
    EXPECT_NEAR(CUnitConvMap::ConvertDifference(5, "BAR", "PSIG"), 72.52, 0.005);
    EXPECT_NEAR(CUnitConvMap::Convert(5, "BAR", "PSIG"), 57.82, 0.005);
    EXPECT_NEAR(CUnitConvMap::ConvertDifference(72.52, "PSIG", "BAR"), 5, 0.001);
    EXPECT_NEAR(CUnitConvMap::ConvertDifference(0, "PSIG", "BAR"), 0, 1e-12);
    // Temperature rises likewise: 10 °C warmer is 18 °F warmer.
    EXPECT_NEAR(CUnitConvMap::ConvertDifference(10, "DEG_C", "DEG_F"), 18, 1e-12);
    EXPECT_NEAR(CUnitConvMap::ConvertDifference(18, "DEG_R", "DEG_K"), 10, 1e-12);
}

TEST(UnitConvMap, FailedDifferenceShowsTheConversionMessagesAndGivesZero) {
    struct Case {
        const char* from;
        const char* to;
        const char* message;
    };
    const Case cases[] = {
        {"IN_HG", "PSIG", "These units are incompatible IN_HG PSIG"},
        {"PSIG", "DEG_F", "These units are incompatible PSIG DEG_F"},
        {"PSI", "PSIG", "Unit Not Found  PSI"},
        {"BAR", "", "Unit Not Found  "},
    };
    for (const Case& c : cases) {
        test::MessageRecorder messages;
        EXPECT_EQ(CUnitConvMap::ConvertDifference(7, c.from, c.to), 0) << c.from << ' ' << c.to;
        EXPECT_EQ(messages.Texts(), Texts{c.message});
        std::string why;
        EXPECT_FALSE(CUnitConvMap::TryConvertDifference(7, c.from, c.to, &why).has_value());
        EXPECT_EQ(why, c.message);
        EXPECT_EQ(messages.boxes.size(), 1u) << "TryConvertDifference must stay silent";
    }
    test::MessageRecorder messages;
    EXPECT_EQ(CUnitConvMap::ConvertDifference(5, "NOT_A_UNIT", "NOT_A_UNIT"), 5);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(UnitConvMap, DecimalShiftCountsDigitsOfTheFactorRatio) {
    struct Case {
        const char* from;
        const char* to;
        int expected;
    };
    const Case cases[] = {
        {"M", "MM", 3},      {"MM", "M", -3},       {"PSIA", "BAR", -1},   {"BAR", "PSIA", 1},
        {"PSIA", "PSIG", 0}, {"CU_CM", "CU_M", -6}, {"DEG_C", "DEG_F", 0}, {"DEG_F", "DEG_C", 0},
    };
    test::MessageRecorder messages;
    for (const Case& c : cases) {
        EXPECT_EQ(CUnitConvMap::GetDecimalShift(c.from, c.to), c.expected)
            << c.from << " -> " << c.to;
    }
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(CUnitConvMap::GetDecimalShift("M", "FURLONG"), 0);
    EXPECT_EQ(messages.Texts(), Texts{"Unit not found."});
}

TEST(UnitConvMap, FormatNumberTrimsZerosAndPoint) {
    struct Case {
        double value;
        int decimals;
        bool keepZeros;
        bool dropPoint;
        const char* expected;
    };
    const Case cases[] = {
        {2.0, 3, false, true, "2"},       {2.5, 3, false, true, "2.5"},
        {2.0, 3, false, false, "2.0"},    {2.0, 3, true, true, "2.000"},
        {2.5, 0, false, true, "2"},       {100, 0, false, false, "100"},
        {2.0004, 3, false, true, "2.0"},  {-0.25, 2, false, true, "-0.25"},
        {1200, 2, false, true, "1200"},   {3.14159, -2, false, false, "3"},
        {10.05, 1, false, false, "10.1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CUnitConvMap::FormatNumber(c.value, c.decimals, c.keepZeros, c.dropPoint),
                  c.expected)
            << c.value << " with " << c.decimals;
    }
}

TEST(UnitConvMap, SetUnitKeepsTheUnitOnUnknownCodes) {
    test::MessageRecorder messages;
    CUnitConvMap unit;
    EXPECT_EQ(unit.GetUnitText(), "");
    EXPECT_TRUE(unit.SetUnit("PSIG"));
    EXPECT_EQ(unit.GetUnitText(), "psig");
    EXPECT_FALSE(unit.SetUnit("PSI"));
    EXPECT_EQ(unit.Unit(), "PSIG");
    EXPECT_EQ(messages.Texts(), Texts{"Unknown Unit String: PSI"});

    EXPECT_TRUE(unit.SetUnitByTextId(21098));
    EXPECT_EQ(unit.Unit(), "CU_FT_MIN");
    EXPECT_EQ(unit.GetUnitText(), "cfm");
    EXPECT_FALSE(unit.SetUnitByTextId(21023));  // "scfm" belongs to no unit
    EXPECT_EQ(unit.Unit(), "CU_FT_MIN");
    EXPECT_EQ(messages.Texts().back(), "Unit iStringID Not Found");

    CArchive out;
    unit.Serialize(out);
    CArchive in(out.Bytes());
    CUnitConvMap back;
    back.Serialize(in);
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(back.Unit(), "CU_FT_MIN");
}
