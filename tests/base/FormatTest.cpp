#include "base/Format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using veritom::Format;

TEST(Format, AppliesPrintfFormatsToMatchingArguments) {
    EXPECT_EQ(Format("%.0f", 2.4), "2");
    EXPECT_EQ(Format("%.2f", 2.4), "2.40");
    EXPECT_EQ(Format("%d", 42), "42");
    EXPECT_EQ(Format("%5.0f  %s", 12.0, std::string("psig")), "   12  psig");
    EXPECT_EQ(Format("Message not found: %s", "X1"), "Message not found: X1");
    EXPECT_EQ(Format("%ld%%", 7L), "7%");
    EXPECT_EQ(Format("DAO error %d, SOURCE = %s, DESCR = %s", 3, "a", "b"),
              "DAO error 3, SOURCE = a, DESCR = b");
}

TEST(Format, LongResultsAreNotCut) {
    const std::string longText(5000, 'x');
    EXPECT_EQ(Format("%s!", longText).size(), 5001u);
}

TEST(Format, MismatchedFormatsGiveEmptyTextInsteadOfReadingTheWrongArgument) {
    EXPECT_EQ(Format("%s", 2.5), "");
    EXPECT_EQ(Format("%f", "text"), "");
    EXPECT_EQ(Format("%d %d", 1), "");
    EXPECT_EQ(Format("%d", 1, 2), "");
    EXPECT_EQ(Format("%n", 1), "");
    EXPECT_EQ(Format("%", 1), "");
}

// A width or precision from a database or string table is bounded, so that no format can ask
// for gigabytes of padding or digits; within the bounds everything is formatted.
TEST(Format, WidthAndPrecisionBeyondTheBoundsGiveEmptyText) {
    struct Case {
        std::string format;
        std::string expected;
    };
    const Case doubles[] = {
        {"%.17f", "0.50000000000000000"},
        {"%.17g", "0.5"},
        {"%255.0f", std::string(254, ' ') + "0"},
        {"%-8.3e|", "5.000e-01|"},
        {"%.18f", ""},
        {"%.2147483647f", ""},
        {"%.99999999999999999999f", ""},
        {"%256f", ""},
        {"%2147483648.1f", ""},
        {"%-0256.1f", ""},
        {"%7150.g", ""},
        {"%0000000005.1f", "000.5"},
    };
    for (const Case& c : doubles) {
        EXPECT_EQ(Format(c.format, 0.5), c.expected) << c.format;
    }
    EXPECT_EQ(Format("%.255s", std::string(300, 'x')).size(), 255u);
    EXPECT_EQ(Format("%.256s", "x"), "");
    EXPECT_EQ(Format("%.20d", 7), "00000000000000000007");
    EXPECT_EQ(Format("%.256d", 7), "");
    EXPECT_EQ(Format("%300d", 7), "");
    EXPECT_EQ(Format("%5.1f and %1000s", 1.0, "x"), "");
}

// A NUL inside a conversion passed the checks as a flag and reached snprintf as a cut-off
// conversion.
TEST(Format, ANulEndsTheFormat) {
    using namespace std::string_view_literals;
    EXPECT_EQ(Format("%.\0\017g"sv, 2.5), "");
    EXPECT_EQ(Format("ab\0cd"sv), "ab");
    EXPECT_EQ(Format("%d\0%s"sv, 3), "3");
    EXPECT_EQ(Format("%d\0%s"sv, 3, "x"), "");
}

// A flag after the width ("%2#o") made snprintf read its own conversion and take a number
// for the text of the next one.
TEST(Format, FlagsWidthAndPrecisionOnlyInPrintfOrder) {
    EXPECT_EQ(Format("%2#o%s", 8, "x"), "");
    EXPECT_EQ(Format("%.2.3f", 1.0), "");
    EXPECT_EQ(Format("%5-d", 1), "");
    EXPECT_EQ(Format("%-#8.3o|", 8), "010     |");
    EXPECT_EQ(Format("%+08.2f", 2.5), "+0002.50");
    EXPECT_EQ(Format("%-6s|", "ab"), "ab    |");
}

TEST(Format, NumbersKeepThePointUnderACommaLocale) {
#ifdef VERITOM_TEST_LOCALE_DIR
    setenv("LOCPATH", VERITOM_TEST_LOCALE_DIR, 1);  // the build's own German locale
#endif
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE")) {
        GTEST_SKIP() << "no German locale installed";
    }
    char plain[16];
    std::snprintf(plain, sizeof plain, "%.2f", 2.5);
    EXPECT_STREQ(plain, "2,50") << "the locale in force writes a comma";
    EXPECT_EQ(Format("%.2f", 2.5), "2.50");
    std::setlocale(LC_ALL, saved.c_str());
}
