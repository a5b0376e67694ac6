#include "toolkit/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace toolkit;

TEST(NumberText, LenientReadingTakesTheLongestLeadingNumber)
{
    struct Case
    {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},          {"abc", 0},      {"12abc", 12},   {"1 2", 12},    {" \t-3", -3},
        {"1,5", 1},       {"12.0", 12},    {".5", 0.5},     {"1e3", 1000},  {"&H1F", 31},
        {"&O17", 15},     {"&h1f", 31},    {"&H", 0},       {"&O8", 0},     {"\n7\n", 7},
        {"+5", 5},        {"1.5E+2", 150}, {"1 e 3", 1000}, {"1e", 1},      {"1e+", 1},
        {"--3", 0},       {"-", 0},        {".", 0},        {"12.5", 12.5}, {"1 2 . 5", 12.5},
        {"007", 7},       {"3.4.5", 3.4},  {"2e-3", 0.002}, {"1e-400", 0},  {"\r5", 0},
        {"12 abc 3", 12},
    };
    for (const Case& c : cases) {
        const LenientNumber number = ReadLenient(c.text);
        EXPECT_TRUE(number.inRange) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(number.value, c.value) << '"' << c.text << '"';
    }
}

TEST(NumberText, LenientReadingFlagsNumbersBeyondADouble)
{
    for (const char* text : {"1e400", "-1e400", "99999e99999", "1 e 4 0 0"}) {
        const LenientNumber number = ReadLenient(text);
        EXPECT_FALSE(number.inRange) << text;
        EXPECT_TRUE(std::isfinite(number.value)) << text;
    }
    EXPECT_TRUE(ReadLenient("1e308").inRange);
}

TEST(NumberText, StrictReadingAcceptsOnlyBlanksAroundANumber)
{
    struct Case
    {
        const char* text;
        bool valid;
        double value;
    };
    const Case cases[] = {
        {"12", true, 12},        {" 12 ", true, 12},  {"-3", true, -3},   {" 0", true, 0},
        {"100", true, 100},      {"1e3", true, 1000}, {"9.5", true, 9.5}, {"12a", false, 0},
        {"", false, 0},          {"   ", false, 0},   {"1 2", false, 0},  {"\t12", false, 0},
        {"Unlimited", false, 0}, {"&H1F", false, 0},  {"1,5", false, 0},  {"-", false, 0},
    };
    for (const Case& c : cases) {
        const auto value = ReadStrict(c.text);
        EXPECT_EQ(value.has_value(), c.valid) << '"' << c.text << '"';
        if (value && c.valid) {
            EXPECT_DOUBLE_EQ(*value, c.value) << '"' << c.text << '"';
        }
    }
}

TEST(NumberText, PlainAndSignedBlankFormats)
{
    struct Case
    {
        double value;
        const char* plain;
        const char* signedBlank;
    };
    const Case cases[] = {
        {0, "0", " 0"},
        {7, "7", " 7"},
        {-3, "-3", "-3"},
        {120, "120", " 120"},
        {1771560, "1771560", " 1771560"},
        {9.0, "9", " 9"},
        {-0.0, "0", " 0"},
        {0.5, "0.5", " 0.5"},
        {-2147483647, "-2147483647", "-2147483647"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlainText(c.value), c.plain) << c.value;
        EXPECT_EQ(SignedBlankText(c.value), c.signedBlank) << c.value;
    }
}

TEST(NumberText, RoundingSendsHalvesToTheEvenNeighbour)
{
    const std::pair<double, double> cases[] = {
        {87.5, 88}, {62.5, 62}, {12.5, 12}, {37.5, 38}, {0.5, 0},    {1.5, 2},
        {-1.5, -2}, {2.4, 2},   {2.6, 3},   {92.5, 92}, {92.59, 93}, {-2.5, -2},
    };
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(NumberText, SixteenBitConversionRefusesWhatDoesNotFit)
{
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_EQ(ToInt16(-32768.5), -32768);
    EXPECT_EQ(ToInt16(3.5), 4);
    EXPECT_FALSE(ToInt16(32767.5).has_value());
    EXPECT_FALSE(ToInt16(-32769).has_value());
    EXPECT_FALSE(ToInt16(1e10).has_value());
    EXPECT_FALSE(ToInt16(std::nan("")).has_value());
}
