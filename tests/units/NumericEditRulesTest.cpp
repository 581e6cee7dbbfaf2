#include <gtest/gtest.h>

#include <string>

#include "MessageRecorder.h"
#include "units/NumericEditRules.h"
#include "units/UnitDouble.h"

using namespace veritom;

namespace {

// The options a box is built with: the defaults, or with "-" allowed, or without decimal-point
// mode and with both marks allowed.
enum class Options { Defaults, Minus, BothMarks, PointModeSwitchedOn };

CNumericEditRules Rules(Options options) {
    CNumericEditRules rules;
    switch (options) {
        case Options::Defaults:
            break;
        case Options::Minus:
            rules.SetAllowMinus(true);
            break;
        case Options::BothMarks:
            rules.SetDecimalPointMode(false);
            rules.SetAllowPoint(true);
            rules.SetAllowComma(true);
            break;
        case Options::PointModeSwitchedOn:
            rules.SetDecimalPointMode(true);  // switches "," off
            break;
    }
    return rules;
}

}  // namespace

TEST(NumericEditRules, TypingAcceptsDigitsAndOnePermittedMarkOrMinus) {
    struct Case {
        Options options;
        const char* text;
        std::size_t selStart;
        std::size_t selLength;
        char typed;
        bool accepted;
    };
    const Case cases[] = {
        {Options::Defaults, "", 0, 0, '7', true},
        {Options::Defaults, "12", 1, 0, '0', true},
        {Options::Defaults, "12", 2, 0, '.', true},
        {Options::Defaults, "1.2", 3, 0, '.', false},  // a second point beeps
        {Options::Defaults, "1.2", 1, 1, '.', true},   // unless the first is selected
        {Options::Defaults, "1.2", 0, 3, '.', true},
        {Options::Defaults, "1.2", 2, 1, '.', false},  // the selection holds another one
        {Options::Defaults, "12", 1, 0, ',', true},    // "," allowed by default
        {Options::Defaults, "1.2", 3, 0, ',', false},  // and it is a decimal mark too
        {Options::Defaults, "12", 0, 0, '-', false},   // "-" is off by default
        {Options::Minus, "12", 0, 0, '-', true},
        {Options::Minus, "-12", 0, 0, '-', false},
        {Options::Minus, "-12", 0, 1, '-', true},
        {Options::Minus, "12", 1, 0, '-', false},   // a minus inside a number would be lost
        {Options::Minus, "-12", 0, 0, '5', false},  // so would a digit before it
        {Options::Defaults, "12", 2, 0, 'a', false},
        {Options::Defaults, "12", 2, 0, ' ', false},
        {Options::Defaults, "12", 2, 0, '+', false},
        {Options::Defaults, "12", 2, 0, 'e', false},
        {Options::BothMarks, "12", 2, 0, '.', true},
        {Options::BothMarks, "1,2", 3, 0, '.', false},
        {Options::PointModeSwitchedOn, "12", 2, 0, ',', false},
        {Options::PointModeSwitchedOn, "12", 2, 0, '.', true},
        {Options::Defaults, "12", 5, 0, '3', false},  // a selection past the end
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Rules(c.options).AcceptsTyped(c.text, c.selStart, c.selLength, c.typed),
                  c.accepted)
            << static_cast<int>(c.options) << " '" << c.text << "' [" << c.selStart << ','
            << c.selLength << "] + '" << c.typed << "'";
    }
}

TEST(NumericEditRules, ReadsCommaAsPointAndLeadsWithZeroWhenAsked) {
    struct Case {
        bool pointMode;
        bool leadWithZero;
        const char* shown;
        const char* read;
        double number;
    };
    const Case cases[] = {
        {true, false, "1,5", "1.5", 1.5},
        {false, false, "1,5", "1,5", 1.5},  // the number reads "," as "." in any mode
        {true, false, ".5", ".5", 0.5},
        {true, true, ".5", "0.5", 0.5},
        {true, true, ",5", "0.5", 0.5},
        {false, true, ",5", "0,5", 0.5},
        {true, true, "-.5", "-0.5", -0.5},
        {true, true, "-,5", "-0.5", -0.5},
        {true, true, "-", "-", 0},
        {true, true, "", "", 0},
        {true, true, "12", "12", 12},
        {true, false, "", "", 0},
        {true, false, "5.", "5.", 5},
        {true, false, "abc", "abc", 0},
        {true, false, "12abc", "12abc", 12},
    };
    for (const Case& c : cases) {
        CNumericEditRules rules;
        rules.SetDecimalPointMode(c.pointMode);
        rules.SetLeadWithZero(c.leadWithZero);
        EXPECT_EQ(rules.ReadText(c.shown), c.read) << c.shown;
        EXPECT_DOUBLE_EQ(CNumericEditRules::ReadNumber(c.shown), c.number) << c.shown;
        EXPECT_DOUBLE_EQ(rules.ReadDouble(c.shown), c.number) << c.shown;
    }
}

TEST(NumericEditRules, IntegersAreTheWholePartClampedToThirtyTwoBits) {
    const std::pair<const char*, int> cases[] = {
        {"12.7", 12},
        {"-3.9", -3},
        {"", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    CNumericEditRules rules;
    rules.SetAllowMinus(true);
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(rules.ReadInteger(text), expected) << text;
    }
}

TEST(NumericEditRules, ShowsNumbersFormattedAndZeroOnlyWhenAsked) {
    test::MessageRecorder messages;
    struct Case {
        bool showZero;
        double value;
        int decimals;
        bool keepZeros;
        bool dropPoint;
        const char* shown;
    };
    const Case cases[] = {
        {false, 0, 2, false, true, ""},         {true, 0, 2, false, true, "0"},
        {true, 0, 2, true, false, "0.00"},      {false, 2.5, 3, false, true, "2.5"},
        {false, 2, 3, false, false, "2.0"},     {false, 2, 3, false, true, "2"},
        {false, -1.25, 1, true, false, "-1.2"},
    };
    for (const Case& c : cases) {
        CNumericEditRules rules;
        rules.SetShowZero(c.showZero);
        EXPECT_EQ(rules.NumberText(c.value, c.decimals, c.keepZeros, c.dropPoint), c.shown)
            << c.value;
    }
    CNumericEditRules rules;
    EXPECT_EQ(rules.IntegerText(0), "");
    EXPECT_EQ(rules.IntegerText(-42), "-42");
    rules.SetShowZero(true);
    EXPECT_EQ(rules.IntegerText(0), "0");

    // A unit value shows in the unit asked for; it is its shown number that counts as 0.
    CNumericEditRules hideZero;
    EXPECT_EQ(hideZero.UnitValueText(CUnitDouble(0, "DEG_C"), "DEG_F", 1, false, true), "32");
    EXPECT_EQ(hideZero.UnitValueText(CUnitDouble(0, "BAR"), "PSIA", 1, false, true), "");
    EXPECT_EQ(hideZero.UnitValueText(CUnitDouble(7, "BAR"), "PSIA", 2, false, true), "101.53");
    EXPECT_TRUE(messages.boxes.empty());
}
