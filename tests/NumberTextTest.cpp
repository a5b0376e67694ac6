// Reading numbers from text, the same in every locale (writing them shows in the drill's tables).

#include "toolkit/NumberText.h"

#include <gtest/gtest.h>

using namespace toolkit;

TEST(NumberText, LenientReadingTakesTheLongestLeadingNumber)
{
    // clang-format off
    const std::tuple<const char*, const char*, double> rows[] = { // fault, text, value
        {"empty not 0", "", 0}, {"letters not 0", "abc", 0}, {"tail not cut", "12abc", 12},
        {"tab, sign lost", " \t-3", -3}, {"comma a point", "1,5", 1}, {"point first", ".5", 0.5},
        {"&H not hex", "&H1F", 31}, {"&O not octal", "&O17", 15}, {"&h not hex", "&h1f", 31},
        {"bare &H not 0", "&H", 0}, {"8 octal", "&O8", 0}, {"newline kept", "\n7\n", 7},
        {"plus refused", "+5", 5}, {"E+ unread", "1.5E+2", 150}, {"e blanks kept", "1 e 3", 1000},
        {"bare e read", "1e", 1}, {"bare e+ read", "1e+", 1}, {"two signs read", "--3", 0},
        {"lone point", ".", 0}, {"blanks kept", "1 2 . 5", 12.5}, {"2nd point", "3.4.5", 3.4},
        {"e- unread", "2e-3", 0.002}, {"underflow", "1e-400", 0}, {"CR skipped", "\r5", 0},
        {"read past letters", "12 abc 3", 12}, {"max refused", "1e308", 1e308},
        {"h a suffix", "7h2", 7}, {"o a suffix", "9o7", 9}, {"&o not octal", "&o17", 15},
        {"one exponent digit", "1e1", 10}, {"E unread", "25E2", 2500}, {"after it", "2e3x", 2000},
    };
    // clang-format on
    for (const auto& [fault, text, value] : rows) {
        EXPECT_TRUE(ReadLenient(text).inRange) << fault;
        EXPECT_DOUBLE_EQ(ReadLenient(text).value, value) << fault;
    }
    for (const char* text : {"1e400", "-1e400", "1 e 4 0 0"})
        EXPECT_FALSE(ReadLenient(text).inRange) << "beyond a double: " << text;
}

TEST(NumberText, StrictReadingAcceptsOnlyBlanksAroundANumber)
{
    EXPECT_EQ(std::tuple(ReadStrict(" 12 "), ReadStrict("-9.5e1")), std::tuple(12, -95));
    for (const char* text : {"12a", "", "   ", "1 2", "\t12", "Unlimited", "&H1F", "1,5", "-"})
        EXPECT_EQ(ReadStrict(text), std::nullopt) << '"' << text << '"';
    for (const char* longer : {"12345", "12.5"})
        EXPECT_EQ(ReadStrict(std::string_view(longer, 2)), 12) << "only the text given";
}
