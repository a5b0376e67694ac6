// Conversions between numbers and text, the same in every locale.

#include "toolkit/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

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
    const std::pair<const char*, double> numbers[] = {
        {"12", 12}, {" 12 ", 12}, {"-3", -3}, {"1e3", 1000}, {"9.5", 9.5}};
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(ReadStrict(text), value) << '"' << text << '"';
    for (const char* longer : {"12345", "12.5"})
        EXPECT_EQ(ReadStrict(std::string_view(longer, 2)), 12) << "only the text given";
    for (const char* text : {"12a", "", "   ", "1 2", "\t12", "Unlimited", "&H1F", "1,5", "-"})
        EXPECT_EQ(ReadStrict(text), std::nullopt) << '"' << text << '"';
}

TEST(NumberText, PlainAndSignedBlankFormats)
{
    const std::pair<double, const char*> rows[] = {
        {0, "0"},
        {7, "7"},
        {-3, "-3"},
        {1771560, "1771560"},
        {-0.0, "0"},
        {0.5, "0.5"},
        {2147483647, "2147483647"},
    };
    for (const auto& [value, plain] : rows) {
        EXPECT_EQ(PlainText(value), plain);
        EXPECT_EQ(SignedBlankText(value), (value < 0 ? "" : " ") + std::string(plain));
    }
}

TEST(NumberText, RoundingSendsHalvesToTheEvenNeighbourWithin16Bits)
{
    const std::pair<double, std::optional<int16_t>> rows[] = {
        {87.5, 88},       {62.5, 62},         {12.5, 12},    {0.5, 0},     {1.5, 2},
        {-1.5, -2},       {-2.5, -2},         {2.4, 2},      {2.6, 3},     {92.59, 93},
        {32767.4, 32767}, {-32768.5, -32768}, {32767.5, {}}, {-32769, {}}, {std::nan(""), {}},
    };
    for (const auto& [value, rounded] : rows)
        EXPECT_EQ(ToInt16(value), rounded) << value;
}
