#include "drill/Scoring.h"
#include "settings/StoredNumber.h"

#include <gtest/gtest.h>

using namespace drill;

TEST(Scoring, PercentageRoundsTheQuotientHalvesToEven)
{
    struct Case
    {
        int16_t correct, posed, percentage;
    };
    const Case cases[] = {
        {7, 8, 88}, {5, 8, 62},   {1, 3, 33},      {2, 3, 67},  {0, 0, 0},
        {0, 5, 0},  {37, 40, 92}, {25, 27, 93},    {9, 10, 90}, {3, 10, 30},
        {1, 8, 12}, {3, 8, 38},   {100, 100, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Percentage(c.correct, c.posed), c.percentage) << c.correct << "/" << c.posed;
}

TEST(Scoring, GradeBoundariesAreInclusiveBelowAndExclusiveAbove)
{
    const std::pair<double, const char*> cases[] = {
        {100, "A+"}, {99, "A"},  {93, "A"},  {92, "A-"}, {90, "A-"}, {89, "B+"}, {87, "B+"},
        {86, "B"},   {83, "B"},  {82, "B-"}, {80, "B-"}, {79, "C+"}, {77, "C+"}, {76, "C"},
        {73, "C"},   {72, "C-"}, {70, "C-"}, {69, "D+"}, {67, "D+"}, {66, "D"},  {63, "D"},
        {62, "D-"},  {60, "D-"}, {59, "F"},  {30, "F"},  {0, "F"},
    };
    for (const auto& [percentage, grade] : cases)
        EXPECT_EQ(LetterGrade(percentage), grade) << percentage;
}

TEST(Scoring, TimeLimitCaptionsByExactItemText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Unlimited", "Unlimited"},   {"10 Seconds", "10"}, {"30 Seconds", "30"},
        {"1 Minute", "60"},           {"2 Minutes", "120"}, {"3 Minutes", "180"},
        {"4 Minutes", "240"},         {"", "Unlimited"},    {"10 seconds", "Unlimited"},
        {"10 Seconds ", "Unlimited"},
    };
    for (const auto& [item, caption] : cases)
        EXPECT_EQ(TimeLimitCaption(item), caption) << '"' << item << '"';
}

TEST(Scoring, StoredNumbersReadAsTheirControlsTakeThem)
{
    const std::pair<const char*, std::optional<int16_t>> cases[] = {
        {" 1", 1},
        {"1", 1},
        {"", 0},
        {"abc", 0},
        {"-1", -1},
        {" 4", 4},
        {"2.5", 2},
        {"3.5", 4},
        {"40000", std::nullopt},
        {"1e400", std::nullopt},
        {"&H7FFF", 32767},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(settings::StoredNumber(text), number) << '"' << text << '"';
    // What a key that cannot be opened reads as.
    EXPECT_EQ(settings::StoredNumber(std::string(255, ' ')), 0);
}
