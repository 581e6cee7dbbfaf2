#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "base/StringTable.h"
#include "units/ComboUnitList.h"
#include "units/UnitDouble.h"

using namespace veritom;
using Texts = std::vector<std::string>;

namespace {

Texts LineTexts(const CComboUnitList& list) {
    Texts texts;
    for (const ComboLine& line : list.Lines()) {
        texts.push_back(line.text);
    }
    return texts;
}

std::vector<int> ItemData(const CComboUnitList& list) {
    std::vector<int> data;
    for (const ComboLine& line : list.Lines()) {
        data.push_back(line.itemData);
    }
    return data;
}

}  // namespace

TEST(ComboUnitList, FillsUnitLinesWithTheirTextIds) {
    test::MessageRecorder messages;
    CComboUnitList temperatures;
    temperatures.FillCategory(21080);
    EXPECT_EQ(LineTexts(temperatures), (Texts{"°F", "°C", "K", "°R"}));
    EXPECT_EQ(ItemData(temperatures), (std::vector<int>{21001, 21000, 21002, 21003}));
    EXPECT_EQ(temperatures.Selected(), -1);

    struct Case {
        const char* unit;
        std::vector<std::string_view> excluded;
        Texts lines;
        int selected;
    };
    const Case cases[] = {
        {"BAR", {}, {"Pa abs", "atm abs", "bar abs", "kPa abs", "MPa abs", "psi abs", "psig"}, 2},
        {"PSIG", {"PA", "ATM", "MPA"}, {"bar abs", "kPa abs", "psi abs", "psig"}, 3},
        {"BAR", {"BAR"}, {"Pa abs", "atm abs", "kPa abs", "MPa abs", "psi abs", "psig"}, -1},
        {"IN_HG", {}, {"in of Hg"}, 0},
        {"NOT_A_UNIT", {}, {}, -1},
    };
    for (const Case& c : cases) {
        CComboUnitList list;
        CUnitDouble value;
        value.Set(7, c.unit);
        list.FillCompatible(value, c.excluded);
        EXPECT_EQ(LineTexts(list), c.lines) << c.unit;
        EXPECT_EQ(list.Selected(), c.selected) << c.unit;
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(ComboUnitList, SelectedUnitComesFromTheLinesTextId) {
    test::MessageRecorder messages;
    CComboUnitList list;
    list.FillCategory(21085);  // Distance: m cm mm in ft
    list.Select(3);
    CUnitDouble value(1, "M");
    EXPECT_TRUE(list.GetSelectedUnit(value));
    EXPECT_EQ(value.Unit(), "IN");
    EXPECT_EQ(list.GetSelectedUnitCode(), "IN");
    EXPECT_TRUE(messages.boxes.empty());

    list.Select(-1);
    EXPECT_EQ(list.GetSelectedUnitCode(), "");
    EXPECT_FALSE(list.GetSelectedUnit(value));
    EXPECT_EQ(value.Unit(), "IN");
    EXPECT_EQ(messages.Texts(), (Texts{"Unit NotFound", "Unit NotFound"}));
}

TEST(ComboUnitList, NumbersAndTextsAreStoredUnderTheLinesItemData) {
    test::MessageRecorder messages;
    std::array<double, CComboUnitList::kNumberCount> numbers{};
    numbers[0] = 0.5;
    numbers[1] = 1;
    numbers[2] = 2.25;
    numbers[3] = 0;  // leaves a gap
    numbers[4] = 4;
    numbers[19] = -3;  // non-zero, so it counts
    CComboUnitList list;
    list.AddNumbers(numbers, 2, false, true, " in");
    EXPECT_EQ(LineTexts(list), (Texts{"0.5 in", "1 in", "2.25 in", "4 in", "-3 in"}));
    EXPECT_EQ(ItemData(list), (std::vector<int>{0, 1, 2, 4, 19}));

    struct Case {
        int line;
        double number;
        const char* text;
    };
    for (const Case& c : {Case{0, 0.5, "0.5 in"}, Case{3, 4, "4 in"}, Case{4, -3, "-3 in"}}) {
        list.Select(c.line);
        EXPECT_DOUBLE_EQ(list.GetSelectedNumber(), c.number) << c.line;
        EXPECT_EQ(list.GetSelectedText(), c.text) << c.line;
        EXPECT_EQ(list.GetSelectedStoredText(), "") << c.line;
    }

    // AddNumber and AddText take the next free position; zero, negative and empty add nothing.
    EXPECT_FALSE(list.AddNumber("zero", 0));
    EXPECT_FALSE(list.AddNumber("negative", -1));
    EXPECT_TRUE(list.AddNumber("twenty", 20));
    EXPECT_FALSE(list.AddText(""));
    EXPECT_TRUE(list.AddText("Other"));
    EXPECT_EQ(ItemData(list), (std::vector<int>{0, 1, 2, 4, 19, 20, 21}));
    list.Select(5);
    EXPECT_DOUBLE_EQ(list.GetSelectedNumber(), 20);
    list.Select(6);
    EXPECT_EQ(list.GetSelectedStoredText(), "Other");
    EXPECT_DOUBLE_EQ(list.GetSelectedNumber(), 0);
    EXPECT_TRUE(messages.boxes.empty());

    CComboUnitList texts;
    texts.AddText("first");
    texts.AddNumber("1.5", 1.5);
    EXPECT_EQ(ItemData(texts), (std::vector<int>{0, 1}));
}

TEST(ComboUnitList, NothingSelectedShowsTheMessageAndGivesNothing) {
    test::MessageRecorder messages;
    CComboUnitList list;
    list.AddNumber("1", 1);
    list.Select(5);  // no such line
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_DOUBLE_EQ(list.GetSelectedNumber(), 0);
    EXPECT_EQ(list.GetSelectedText(), "");
    EXPECT_EQ(list.GetSelectedStoredText(), "");
    ASSERT_EQ(messages.boxes.size(), 3u);
    for (const auto& box : messages.boxes) {
        EXPECT_EQ(box.text, "Nothing in Combo Box Selected");
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
    }
    list.Clear();
    EXPECT_TRUE(list.Lines().empty());
    EXPECT_TRUE(list.AddNumber("again", 2));
    EXPECT_EQ(list.Lines().front().itemData, 0);
}
