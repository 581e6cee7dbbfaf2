#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "units/ColorList.h"

using namespace veritom;

namespace {

// A list of lines, '-' marking an unselectable one: "a-b" has a, b selectable and '-' not.
CColorList ListOf(const std::string& pattern) {
    CColorList list;
    for (char ch : pattern) {
        list.AddLine(ch == '-' ? "Dash" : std::string(1, ch), ch != '-');
    }
    return list;
}

}  // namespace

TEST(ColorList, SelectionSkipsUnselectableLinesInTheDirectionOfTheLastKey) {
    using Move = CColorList::KeyMove;
    struct Case {
        const char* lines;
        Move move;
        int target;
        int previous;
        int landed;
    };
    const Case cases[] = {
        {"a-c", Move::Down, 1, 0, 2},  // Down from the first line skips the second
        {"a-c", Move::Up, 1, 2, 0},    // Up from the third comes back to the first
        {"a--d", Move::Down, 1, 0, 3},
        {"a--", Move::Down, 1, 0, 0},  // nothing selectable below: the selection stays
        {"--c", Move::Up, 1, 2, 2},    // nothing above either
        {"abc", Move::Down, 2, 0, 2},
        {"abc", Move::Down, 7, 0, 0},  // no such line
    };
    for (const Case& c : cases) {
        CColorList list = ListOf(c.lines);
        list.NoteKeyMove(c.move);
        EXPECT_EQ(list.Land(c.target, c.previous), c.landed)
            << c.lines << " " << c.target << " from " << c.previous;
    }
    CColorList none = ListOf("abc");
    none.SetNoSelection(true);
    EXPECT_EQ(none.Land(1, 0), -1);
    EXPECT_FALSE(none.AcceptsClick(1));
    CColorList clicks = ListOf("a-c");
    EXPECT_TRUE(clicks.AcceptsClick(0));
    EXPECT_FALSE(clicks.AcceptsClick(1));
    EXPECT_FALSE(clicks.AcceptsClick(-1));
}

TEST(ColorList, TypingSelectsTheFirstLineStartingWithExactlyThatCharacter) {
    CColorList list;
    for (const char* text : {"Brass", "bronze", "Steel", "316 Stainless", "Älteres"}) {
        list.AddLine(text);
    }
    const std::pair<const char*, int> cases[] = {
        {"B", 0}, {"b", 1}, {"S", 2}, {"s", -1}, {"3", 3}, {"9", -1}, {"Ä", 4}, {"", -1},
    };
    for (const auto& [typed, found] : cases) {
        EXPECT_EQ(list.FindTyped(typed), found) << typed;
    }
}

TEST(ColorList, ADisabledEmptyListHoldsAPlaceholderThatIsNeverDrawn) {
    CColorList list;
    list.Enable(false);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Text(0), "asdf");
    EXPECT_FALSE(list.HasRecord(0));
    EXPECT_TRUE(list.IsSelectable(0));
    EXPECT_EQ(list.GetLineValue(0), -1);
    EXPECT_FALSE(list.Paint(0, false, false).drawn);
    EXPECT_EQ(list.FindTyped("a"), -1);

    EXPECT_EQ(list.AddLine("first"), 0);  // the first line replaces it
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(list.HasRecord(0));
    list.Clear();
    EXPECT_EQ(list.Count(), 1);  // still disabled, so back it comes
    EXPECT_EQ(list.Text(0), "asdf");
    list.Enable(true);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    CColorList enabled;
    enabled.Clear();
    EXPECT_EQ(enabled.Count(), 0);
}

TEST(ColorList, LinesKeepTheirValueAndColours) {
    CColorList list;
    const int index = list.AddLine("Viton", false, RgbColour(200, 0, 0), RgbColour(0, 0, 80));
    EXPECT_EQ(list.GetLineValue(index), -1);
    list.SetLineValue(index, 42);
    EXPECT_EQ(list.GetLineValue(index), 42);
    EXPECT_EQ(list.GetLineValue(7), -1);
    EXPECT_FALSE(list.IsSelectable(index));
    EXPECT_TRUE(list.IsSelectable(7));  // no record
}

TEST(ColorList, PaintsEachLineByItsStateAndColours) {
    const ListSystemColours system;
    const ListColour red = RgbColour(200, 0, 0);
    const ListColour cream = RgbColour(255, 250, 220);
    struct Case {
        const char* name;
        bool selectable;
        ListColour text;
        ListColour background;
        bool keepColours;
        bool enabled;
        bool noSelection;
        bool selected;
        LinePaint paint;
    };
    const Case cases[] = {
        {"own colours", true, red, cream, false, true, false, false, {true, red, cream, false}},
        {"system colours",
         true,
         kSystemColour,
         kSystemColour,
         false,
         true,
         false,
         false,
         {true, system.windowText, system.window, false}},
        {"selected",
         true,
         red,
         cream,
         false,
         true,
         false,
         true,
         {true, system.highlightText, system.highlight, true}},
        {"selected, colours kept",
         true,
         red,
         cream,
         true,
         true,
         false,
         true,
         {true, red, cream, true}},
        {"unselectable",
         false,
         red,
         cream,
         false,
         true,
         false,
         true,
         {true, system.greyText, system.window, false}},
        {"no-selection mode", true, red, cream, false, true, true, true, {true, red, cream, false}},
        {"disabled",
         true,
         red,
         cream,
         false,
         false,
         false,
         false,
         {true, system.greyText, system.buttonFace, false}},
    };
    for (const Case& c : cases) {
        CColorList list;
        list.AddLine("line", c.selectable, c.text, c.background);
        list.SetKeepColours(c.keepColours);
        list.SetNoSelection(c.noSelection);
        list.Enable(c.enabled);
        const LinePaint paint = list.Paint(0, c.selected, true);
        EXPECT_EQ(paint.drawn, c.paint.drawn) << c.name;
        EXPECT_EQ(paint.text, c.paint.text) << c.name;
        EXPECT_EQ(paint.background, c.paint.background) << c.name;
        EXPECT_EQ(paint.focusRect, c.paint.focusRect) << c.name;
    }
}
