#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "units/TabComboWidth.h"
#include "units/TabStops.h"

using namespace veritom;

TEST(TabStops, ColumnsStartAtTheFirstStopPastTheColumnBefore) {
    // Average character width 8 pixels: one dialog unit is 2 pixels.
    struct Case {
        std::vector<int> stops;
        std::vector<int> widths;
        std::vector<int> starts;
    };
    const Case cases[] = {
        {{50, 100}, {30, 40, 10}, {0, 100, 200}},
        {{50, 100}, {120, 10}, {0, 200}},                   // too wide for the first stop
        {{50, 100}, {10, 10, 10, 10}, {0, 100, 200, 300}},  // then every 50 units
        {{40}, {10, 10, 10}, {0, 80, 160}},                 // one stop repeats
        {{}, {10, 10}, {0, 64}},                            // none: every 32 units
        {{100, 50, 50, 0}, {10, 10}, {0, 100}},             // sorted, doubles and zero dropped
        {{50}, {100}, {0}},                                 // a line without tabs
    };
    for (const Case& c : cases) {
        CTabStops stops;
        stops.Set(c.stops);
        EXPECT_EQ(stops.ColumnStarts(c.widths, 8), c.starts);
        EXPECT_EQ(stops.LineWidth(c.widths, 8), c.starts.back() + c.widths.back());
    }
    EXPECT_EQ(CTabStops::Columns("1/4\tNPT\t\tBrass"),
              (std::vector<std::string>{"1/4", "NPT", "", "Brass"}));
    EXPECT_EQ(CTabStops::Columns(""), (std::vector<std::string>{""}));
}

TEST(TabComboWidth, DropDownIsAtLeastTheBaseWidthAndFitsTheWidestLine) {
    struct Case {
        int mode;
        std::vector<int> lines;
        int width;
    };
    // Control 100 pixels wide, 20 pixels of scroll bar and borders.
    const Case cases[] = {
        {1, {}, 100},        {1, {50, 70}, 100},  {1, {50, 150, 90}, 170},
        {2, {50, 150}, 200}, {2, {50, 250}, 270}, {7, {50}, 100},  // an unknown mode counts as 1
    };
    for (const Case& c : cases) {
        CTabComboWidth width;
        width.SetControlWidth(100);
        width.SetFrameWidth(20);
        width.SetWidthMode(c.mode);
        for (int line : c.lines) {
            width.AddLine(line);
        }
        EXPECT_EQ(width.DropDownWidth(), c.width) << c.mode;
        width.Clear();
        EXPECT_EQ(width.DropDownWidth(), width.BaseWidth());
    }
    CTabComboWidth width;
    width.SetControlWidth(100);
    EXPECT_FALSE(width.AddLine(80));
    EXPECT_TRUE(width.AddLine(120));
    EXPECT_FALSE(width.AddLine(110));
}
