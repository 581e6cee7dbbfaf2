#include "base/Format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

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

TEST(Format, NumbersKeepThePointUnderACommaLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE")) {
        GTEST_SKIP() << "no German locale installed";
    }
    EXPECT_EQ(Format("%.2f", 2.5), "2.50");
    std::setlocale(LC_ALL, saved.c_str());
}
