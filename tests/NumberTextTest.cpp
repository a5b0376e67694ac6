// Reading numbers from text, the same in every locale (writing them shows in the drill's tables).

#include "toolkit/NumberText.h"

#include <gtest/gtest.h>

using namespace toolkit;

TEST(NumberText, LenientReadingTakesTheLongestLeadingNumber)
{
    const std::pair<const char*, double> rows[] = {
        {"", 0},         {"abc", 0},        {"12abc", 12},    {"1 2", 12},     {" \t-3", -3},
        {"1,5", 1},      {".5", 0.5},       {"1e3", 1000},    {"&H1F", 31},    {"&O17", 15},
        {"&h1f", 31},    {"&H", 0},         {"&O8", 0},       {"\n7\n", 7},    {"+5", 5},
        {"1.5E+2", 150}, {"1 e 3", 1000},   {"1e", 1},        {"1e+", 1},      {"--3", 0},
        {".", 0},        {"1 2 . 5", 12.5}, {"3.4.5", 3.4},   {"2e-3", 0.002}, {"1e-400", 0},
        {"\r5", 0},      {"12 abc 3", 12},  {"1e308", 1e308}, {"7h2", 7},      {"9o7", 9},
        {"&H10", 16},    {"&o17", 15},
    };
    for (const auto& [text, value] : rows) {
        EXPECT_TRUE(ReadLenient(text).inRange) << '"' << text << '"';
        EXPECT_DOUBLE_EQ(ReadLenient(text).value, value) << '"' << text << '"';
    }
    for (const char* text : {"1e400", "-1e400", "1 e 4 0 0"})
        EXPECT_FALSE(ReadLenient(text).inRange) << "beyond a double: " << text;
}

TEST(NumberText, StrictReadingAcceptsOnlyBlanksAroundANumber)
{
    EXPECT_EQ(ReadStrict(" 12 "), 12);
    EXPECT_EQ(ReadStrict("-9.5e1"), -95);
    for (const char* text : {"12a", "", "   ", "1 2", "\t12", "Unlimited", "&H1F", "1,5", "-"})
        EXPECT_EQ(ReadStrict(text), std::nullopt) << '"' << text << '"';
    for (const char* longer : {"12345", "12.5"})
        EXPECT_EQ(ReadStrict(std::string_view(longer, 2)), 12) << "only the text given";
}
