#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "base/StringTable.h"
#include "tools/units/UnitConversion.h"

using namespace veritom;

TEST(UnitConversion, OffersEachCategoryOnceSortedWithTheFirstRealOneSelected) {
    const std::vector<UnitCategory> categories = CUnitConversion::Categories();
    ASSERT_EQ(categories.size(), 20u);  // 19 categories and the unit without one
    EXPECT_EQ(categories[0].name, "");
    EXPECT_EQ(categories[0].id, 0);
    EXPECT_EQ(CUnitConversion::InitialCategory(categories), 1);
    EXPECT_EQ(categories[1].name, "Absolute Viscosity");
    EXPECT_EQ(categories.back().name, "Volume");
    for (std::size_t i = 2; i < categories.size(); ++i) {
        EXPECT_LT(categories[i - 1].name, categories[i].name);
    }
    EXPECT_EQ(CUnitConversion::InitialCategory({}), -1);
    EXPECT_EQ(CUnitConversion::InitialCategory({{"", 0}}), 0);
}

TEST(UnitConversion, GermanNamesSortRegardlessOfAccents) {
    InstallLanguageTable({{21084, "Verdrängung"},
                          {21081, "Überdruck"},
                          {21082, "Volumen"},
                          {21085, "Länge"},
                          {21086, "Masse"},
                          {21087, "Zeit"},
                          {21097, "Vakuum"},
                          {21091, "kraft"}});
    std::vector<std::string> names;
    for (const UnitCategory& category : CUnitConversion::Categories()) {
        names.push_back(category.name);
    }
    InstallLanguageTable({});
    const auto position = [&](const std::string& name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    EXPECT_LT(position("kraft"), position("Länge"));
    EXPECT_LT(position("Länge"), position("Masse"));
    EXPECT_LT(position("Vakuum"), position("Verdrängung"));
    EXPECT_LT(position("Verdrängung"), position("Volumen"));
    EXPECT_LT(position("Überdruck"), position("Vakuum"));
    EXPECT_LT(position("Volumen"), position("Zeit"));
}

TEST(UnitConversion, ShowsTheResultWithTwoDecimalsOrThreeSignificantDigits) {
    test::MessageRecorder messages;
    struct Case {
        double value;
        const char* from;
        const char* to;
        const char* shown;
    };
    const Case cases[] = {
        {212, "DEG_F", "DEG_C", "100"},
        {1, "IN", "MM", "25.4"},
        {1, "FT", "IN", "12"},  // 11.999999999999998 before rounding
        {-40, "DEG_C", "DEG_F", "-40"},
        {0, "DEG_C", "DEG_F", "32"},
        {32, "DEG_F", "DEG_C", ""},  // a result of 0 leaves the box empty
        {0, "IN", "MM", ""},
        {1, "CV", "KV", "14.28"},
        {7, "BAR", "PSIA", "101.53"},
        {1, "MM", "M", "0.001"},
        {1, "IN", "M", "0.0254"},
        {1, "G", "LB", "0.0022"},  // 0.0022046...
        {1, "CC_MIN", "CU_M_SEC", "0.0000000167"},
        {5, "NONE", "NONE", "5"},
    };
    for (const Case& c : cases) {
        CUnitConversion conversion;
        conversion.Convert(c.value, c.from, c.to);
        EXPECT_EQ(conversion.ResultText(), c.shown) << c.value << ' ' << c.from << " -> " << c.to;
        EXPECT_EQ(conversion.Input().Unit(), c.from);
        EXPECT_EQ(conversion.Result().Unit(), c.to);
    }
    EXPECT_TRUE(messages.boxes.empty());
}
