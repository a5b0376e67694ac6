// How the Results window writes lists of numbers and durations.

#include "windows/ResultsTexts.h"

#include <gtest/gtest.h>

TEST(ResultsTexts, NumbersAndDurationsAreWrittenShort)
{
    const std::pair<std::vector<int>, const char*> lists[] = {
        {{}, ""},
        {{7}, "7"},
        {{2, 5, 7}, "2, 5, 7"},
        {{6, 7}, "6, 7"},
        {{6, 7, 8, 9}, "6–9"},
        {{0, 1, 2, 3, 8, 9, 10}, "0–3, 8–10"},
    };
    for (const auto& [numbers, text] : lists)
        EXPECT_EQ(resultstexts::NumbersText(numbers).toStdString(), text);
    EXPECT_EQ(resultstexts::NumbersOf("2,10"), std::vector<int>({2, 10}));
    for (const auto& [seconds, text] : std::vector<std::pair<int64_t, const char*>>{
             {0, "0:00"}, {59, "0:59"}, {125, "2:05"}, {3600, "1:00:00"}, {3725, "1:02:05"}})
        EXPECT_EQ(resultstexts::DurationText(seconds).toStdString(), text) << seconds;
}
