// Which numbers a child still misses, and those of a test's wrong answers.

#include "results/Practice.h"

#include <gtest/gtest.h>

using namespace results;

// Which numbers a child still misses: enough answers, a share below 80%, at most four numbers, the
// lowest share first; and the numbers of a test's wrong answers.
TEST(Practice, NamesTheNumbersStillMissed)
{
    struct Answers // one problem answered right so many times and wrong so many times
    {
        char operation;
        std::vector<int64_t> operands;
        int right, wrong;
    };
    auto answers = [](std::initializer_list<Answers> groups) {
        std::vector<ProblemRow> rows;
        for (const Answers& group : groups)
            for (int i = 0; i < group.right + group.wrong; ++i)
                rows.push_back({0, group.operation, group.operands, 0, "", i < group.right, 0});
        return rows;
    };
    struct Row
    {
        const char* fault;
        std::vector<ProblemRow> answers;
        const char* weakest; // its operations, then its numbers: "x|7,8"
        const char* missed;
    };
    // clang-format off
    const Row rows[] = {
        {"four answers counted as enough", answers({{'x', {7, 3}, 0, 4}}), "too few |", "x|3,7"},
        {"a share of 60% not weak", answers({{'x', {7, 3}, 3, 0}, {'x', {7, 4}, 0, 2}}), "x|7",
         "x|4,7"},
        {"a share of 80% weak", answers({{'x', {7, 3}, 4, 1}}), "|", "x|3,7"},
        {"7 counted twice in 7 x 7", answers({{'x', {7, 7}, 0, 1}, {'x', {7, 2}, 4, 0}}), "|",
         "x|7"},
        {"an operand above 10 counted", answers({{'+', {12, 5}, 0, 5}}), "+|5", "+|5"},
        {"more than four numbers, or the highest shares, taken",
         answers({{'-', {9, 1}, 0, 5}, {'-', {8, 2}, 1, 4}, {'-', {7, 3}, 2, 3},
                  {'-', {6, 4}, 3, 2}, {'-', {5, 0}, 2, 3}}),
         "-|1,2,8,9", "-|0,1,2,3,4,5,6,7,8,9"},
        {"a 0 in a division taken", answers({{'/', {0, 5}, 0, 5}, {'x', {2, 2}, 5, 0}}), "/|5",
         "/|0,5"},
        {"operations out of the boxes' order", answers({{'/', {8, 4}, 0, 5}, {'+', {3, 2}, 1, 4}}),
         "+/|2,3,4,8", "+/|2,3,4,8"},
        {"a tie taken by fewer answers",
         answers({{'+', {1, 1}, 0, 5}, {'+', {2, 2}, 0, 5}, {'+', {3, 3}, 0, 5},
                  {'+', {4, 4}, 1, 4}, {'+', {5, 5}, 2, 8}}),
         "+|1,2,3,5", "+|1,2,3,4,5"},
        {"the right answers' numbers taken as missed",
         answers({{'+', {1, 1}, 1, 0}, {'-', {2, 1}, 0, 1}}), "too few |", "-|1,2"},
    };
    // clang-format on
    auto text = [](const Practice& practice) {
        std::string numbers;
        for (const int number : practice.numbers)
            numbers += (numbers.empty() ? "" : ",") + std::to_string(number);
        return practice.operations + "|" + numbers;
    };
    for (const Row& row : rows) {
        const Weakest weakest = WeakestOf(GridOf(row.answers));
        EXPECT_EQ((weakest.counted ? "" : "too few ") + text(weakest.practice), row.weakest)
            << row.fault;
        EXPECT_EQ(text(MissedIn(row.answers)), row.missed) << row.fault;
    }
}
