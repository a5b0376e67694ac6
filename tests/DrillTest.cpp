// The drill's rules: drawing problems, Start's checks, judging, the status and the countdown.

#include "drill/ProblemDraw.h"
#include "drill/Scoring.h"
#include "drill/SettingsChecks.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace drill;

namespace {

DrillChoice Choice(std::initializer_list<int> operations, std::initializer_list<int> numbers,
                   int16_t difficulty = Easy, int16_t length = 0)
{
    DrillChoice choice{{}, {}, difficulty, length};
    for (int op : operations)
        choice.operations[op - 1] = 1;
    for (int n : numbers)
        choice.numbers[n] = 1;
    return choice;
}

} // namespace

// Each level draws its columns left to right, a power before each Hard or Diabloish operand;
// an unsuitable draw starts again from the operation. The problem lines read top to bottom.
TEST(Drill, DrawsWritesAndSolvesProblems)
{
    struct Row
    {
        DrillChoice choice;
        std::initializer_list<double> draws;
        std::array<std::string, 4> lines; // top to bottom
        int32_t answer;
        int attempts = 1;
    };
    const double Draw7 = Operand(7, 2);
    // clang-format off
    const Row rows[] = {
        {Choice({Subtraction}, {9}), {Op(2), Operand(9, 1), Operand(4, 1)}, {"", "", " 9", " 4"}, 5},
        {Choice({Multiplication}, {}, Medium), {Op(3), Operand(104, 2), Operand(37, 2)},
         {"", "", " 104", " 37"}, 3848},
        {Choice({Addition}, {}, Medium), {Op(1), Operand(0, 2), Draw7}, {"", "", " 0", " 7"}, 7},
        {Choice({Addition}, {}, Hard), {Op(1), Power(6, 6), Operand(100, 6), Power(5, 5),
         Operand(5, 5), Power(1, 5), Operand(6, 1)}, {"", " 100", " 5", " 6"}, 111},
        {Choice({Division}, {}, Hard), {Op(4), Power(2, 6), Operand(100, 2), Power(2, 5),
         Operand(17, 2), Power(1, 5), Operand(5, 1)}, {"", "", " 17", " 5"}, 3},
        {Choice({Addition}, {}, Diabloish), {Op(1), Power(6, 6), Operand(1234567, 6), Power(5, 5),
         Operand(805, 5), Power(4, 4), Operand(42, 4), Power(3, 3), Operand(9, 3)},
         {" 1234567", " 805", " 42", " 9"}, 1235423},
        // Rejected: the operation not ticked; below zero; below one; a zero divisor; no ticked
        // number on Easy; a zero beside Division; a product beyond 32 bits.
        {Choice({Subtraction}, {}, Medium), {Op(1), Op(2), Draw7, Draw7}, {"", "", " 7", " 7"}, 0, 2},
        {Choice({Subtraction}, {}, Medium), {Op(2), Operand(3, 2), Operand(4, 2), Op(2), Draw7,
         Draw7}, {"", "", " 7", " 7"}, 0, 2},
        {Choice({Division}, {}, Medium), {Op(4), Operand(3, 2), Operand(4, 2), Op(4), Operand(9, 2),
         Operand(3, 2)}, {"", "", " 9", " 3"}, 3, 2},
        {Choice({Division}, {}, Medium), {Op(4), Draw7, Operand(0, 2), Op(4), Draw7, Draw7},
         {"", "", " 7", " 7"}, 1, 2},
        {Choice({Addition}, {7}), {Op(1), Operand(5, 1), Operand(2, 1), Op(1), Operand(5, 1),
         Operand(7, 1)}, {"", "", " 5", " 7"}, 12, 2},
        {Choice({Addition, Division}, {0, 7}), {Op(1), Operand(7, 1), Operand(0, 1), Op(1),
         Operand(7, 1), Operand(7, 1)}, {"", "", " 7", " 7"}, 14, 2},
        {Choice({Multiplication}, {}, Hard), {Op(3), Power(1, 6), Operand(0, 1), Power(5, 5),
         Operand(161050, 5), Power(5, 5), Operand(13335, 5), Op(3), Power(1, 6), Operand(0, 1),
         Power(5, 5), Operand(161050, 5), Power(5, 5), Operand(13334, 5)},
         {"", "", " 161050", " 13334"}, 2147440700, 2},
    };
    // clang-format on
    for (const Row& row : rows) {
        ScriptedRandom random(row.draws);
        int attempts = 0;
        const Problem problem = DrawProblem(row.choice, random, &attempts);
        const auto lines = ProblemLines(problem, row.choice.difficulty);
        EXPECT_EQ((std::array{lines[3], lines[2], lines[1], lines[0]}), row.lines);
        EXPECT_EQ(ComputeAnswer(problem), row.answer) << row.lines[2] << row.lines[3];
        EXPECT_EQ(attempts, row.attempts) << row.lines[2] << row.lines[3];
        EXPECT_TRUE(random.draws.empty());
    }
}

TEST(Drill, AnEasyProblemUsesATickedNumber)
{
    using Row = std::tuple<DrillChoice, int, int, bool>; // choice, first, second: uses one
    const DrillChoice seven = Choice({Addition}, {7}), zero = Choice({Addition}, {0}),
                      zeroWithDivision = Choice({Addition, Division}, {0, 4});
    // clang-format off
    const Row rows[] = {
        {seven, 7, 3, true}, {seven, 3, 7, true}, {seven, 3, 4, false},
        {zero, 0, 9, true}, {zero, 9, 0, true}, {Choice({Addition}, {1, 2, 3}), 5, 6, false},
        {zeroWithDivision, 0, 4, false}, {zeroWithDivision, 4, 0, false}, // 0 never counts then
        {zeroWithDivision, 4, 4, true}, {Choice({Division}, {4}), 0, 4, true}, // 0 not ticked
        {Choice({Addition}, {10}), 10, 10, true}, {Choice({Addition}, {1}), 9, 1, true},
    };
    // clang-format on
    for (const auto& [choice, first, second, uses] : rows)
        EXPECT_EQ(UsesTickedNumber(first, second, choice), uses) << first << ", " << second;
}

// The time-seeded draws are uniform in [0, 1).
TEST(Drill, RandomDrawsAreUniformFromZeroToOne)
{
    toolkit::TimeSeededRandom random;
    std::array<int, 10> tenths{};
    for (int i = 0; i < 100000; ++i)
        ++tenths.at(static_cast<size_t>(random.Draw() * 10));
    for (int count : tenths)
        EXPECT_NEAR(count, 10000, 500);
}

// Start's checks and the check before every problem, with the prompts they show.
TEST(Drill, SettingsThatAllowNoTestOrNoProblemAreNamed)
{
    const std::string NoType = "No test type selected!", Zero = "Can not test 0 with Division!",
                      NoNumbers = "No numbers selected for testing!", Starts = "", Draws = "";
    using Row = std::tuple<DrillChoice, std::string, std::string>; // at Start, before a problem
    const Row rows[] = {
        {Choice({}, {3, 0}, Hard), NoType, NoType},
        {Choice({Division}, {0}, Hard), Zero, Draws},
        {Choice({Division}, {0, 1}), Starts, Draws},
        {Choice({Addition, Division}, {0}), Zero, Zero},
        {Choice({Addition, Division}, {0}, Medium), Starts, Draws},
        {Choice({Addition}, {0}), Starts, Draws},
        {Choice({Multiplication, Division}, {}, Hard), NoNumbers, Draws},
        {Choice({Addition}, {}), NoNumbers, NoNumbers},
        {Choice({Addition}, {10}, Easy, -1), "No number of problems selected!", Draws},
        {Choice({Addition}, {10}, -1), "No difficulty selected!", Draws},
    };
    for (const auto& [choice, atStart, atProblem] : rows) {
        EXPECT_EQ(WhyStartRefused(choice).value_or(""), atStart);
        EXPECT_EQ(WhyNoProblem(choice).value_or(""), atProblem);
    }
}

TEST(Drill, TypedAnswersAreReadLeniently)
{
    // clang-format off
    const std::tuple<const char*, int32_t, bool> rows[] = {
        {"", 0, true}, {"abc", 0, true}, {"", 1, false}, {"12abc", 12, true}, {"1 2", 12, true},
        {"12.0", 12, true}, {"12.5", 12, false}, {"12.5", 13, false}, {"-5", 5, false},
        {"5,9", 5, true}, {"1e400", 0, false}, {"&H5", 5, true}, {"50", 5, false},
        {"2147483647", 2147483647, true},
    };
    // clang-format on
    for (const auto& [typed, answer, right] : rows) {
        const Judgement judgement = Judge(typed, answer);
        EXPECT_EQ(judgement.right, right) << '"' << typed << "\" for " << answer;
        EXPECT_EQ(judgement.message, right ? "You were right!" : "Oops!!!");
    }
}

// The counts and the percentage in the signed-blank format, and the grade read back from the
// percentage as it is shown: halves go to the even neighbour before the grade is taken.
TEST(Drill, StatusAndGrade)
{
    const std::tuple<int16_t, int16_t, const char*, const char*> rows[] = {
        // right answers, problems posed, percentage, grade
        {0, 0, " 0", "F"},      {0, 10, " 0", "F"},       {7, 8, " 88", "B+"},
        {5, 8, " 62", "D-"},    {1, 3, " 33", "F"},       {2, 3, " 67", "D+"},
        {37, 40, " 92", "A-"},  {25, 27, " 93", "A"},     {1, 8, " 12", "F"},
        {3, 8, " 38", "F"},     {100, 100, " 100", "A+"}, {99, 100, " 99", "A"},
        {90, 100, " 90", "A-"}, {89, 100, " 89", "B+"},   {87, 100, " 87", "B+"},
        {86, 100, " 86", "B"},  {83, 100, " 83", "B"},    {82, 100, " 82", "B-"},
        {80, 100, " 80", "B-"}, {79, 100, " 79", "C+"},   {77, 100, " 77", "C+"},
        {76, 100, " 76", "C"},  {73, 100, " 73", "C"},    {72, 100, " 72", "C-"},
        {70, 100, " 70", "C-"}, {69, 100, " 69", "D+"},   {67, 100, " 67", "D+"},
        {66, 100, " 66", "D"},  {63, 100, " 63", "D"},    {60, 100, " 60", "D-"},
        {59, 100, " 59", "F"},
    };
    for (const auto& [correct, posed, percentage, grade] : rows) {
        const StatusCaptions status = Status(correct, int16_t(posed - correct), posed);
        EXPECT_EQ(status.correct + status.incorrect,
                  " " + std::to_string(correct) + " " + std::to_string(posed - correct));
        EXPECT_EQ(status.percentage, percentage) << correct << "/" << posed;
        EXPECT_EQ(LetterGrade(status.percentage), grade) << status.percentage;
    }
    EXPECT_EQ(LetterGrade("100"), "A+") << "as Start writes it";
}

TEST(Drill, TimeLimitsAndTheCountdown)
{
    const std::pair<const char*, const char*> limits[] = {
        {"Unlimited", "Unlimited"}, {"10 Seconds", "10"}, {"30 Seconds", "30"},
        {"1 Minute", "60"},         {"2 Minutes", "120"}, {"3 Minutes", "180"},
        {"4 Minutes", "240"},       {"", "Unlimited"},    {"10 seconds", "Unlimited"},
    };
    for (const auto& [item, caption] : limits)
        EXPECT_EQ(TimeLimitCaption(item), caption) << '"' << item << '"';
    const std::tuple<const char*, const char*, bool> ticks[] = {
        {"240", "239", false}, {"2", "1", false}, {"1", "0", true}, {"0", "-1", true}};
    for (const auto& [before, after, timeUp] : ticks) {
        EXPECT_EQ(CountDown(before)->caption, after);
        EXPECT_EQ(CountDown(before)->timeUp, timeUp) << before;
    }
    EXPECT_FALSE(CountDown("Unlimited").has_value());
}
