#include "base/StringTable.h"

#include <gtest/gtest.h>

using namespace veritom;

namespace {

struct InstalledTableGuard {
    ~InstalledTableGuard() { InstallLanguageTable({}); }
};

}  // namespace

TEST(StringTable, ProgramTableHoldsTheUnitTexts) {
    EXPECT_EQ(LoadString(21001), "°F");
    EXPECT_EQ(LoadString(21071), "psig");
    EXPECT_EQ(LoadString(21023), "scfm");
    EXPECT_EQ(LoadString(21099), "Flow Factor");
    EXPECT_EQ(LoadString(21102), "cc/min");
    EXPECT_EQ(LoadString(999999), "");
    for (int id = 21000; id <= 21102; ++id) {
        EXPECT_FALSE(LoadString(id).empty()) << id;
    }
}

TEST(StringTable, InstalledTableWinsAndFallsBackPerId) {
    InstalledTableGuard guard;
    InstallLanguageTable({{21080, "Temperatur"}});
    EXPECT_EQ(LoadString(21080), "Temperatur");
    EXPECT_EQ(LoadString(21081), "Pressure");
    InstallLanguageTable({});
    EXPECT_EQ(LoadString(21080), "Temperature");
}

TEST(StringTable, ParsesEscapesCommentsAndCarriageReturns) {
    StringMap table;
    ASSERT_TRUE(ParseStringTable("# comment\r\n\n1\tA\\tB\\nC\\\\\r\n2\t\n3\tlast", table));
    EXPECT_EQ(table.at(1), "A\tB\nC\\");
    EXPECT_EQ(table.at(2), "");
    EXPECT_EQ(table.at(3), "last");
}

TEST(StringTable, RejectsMalformedLinesWithTheLineNumber) {
    StringMap table;
    std::string error;
    EXPECT_FALSE(ParseStringTable("1\tok\nx2\tbad\n", table, &error));
    EXPECT_EQ(error, "line 2: expected ID<TAB>text");
    EXPECT_FALSE(ParseStringTable("12 no tab\n", table, &error));
}
