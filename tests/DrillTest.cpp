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

// Columns drawn left to right, a power before each Hard operand; a bad draw starts over. The
// lines are written under the operation's sign.
TEST(Drill, DrawsWritesAndSolvesProblems)
{
    using Row = std::tuple<DrillChoice, std::vector<double>, const char*, int32_t>;
    const double Draw7 = Operand(7, 2);
    // clang-format off
    const Row rows[] = {
        {Choice({Subtraction}, {9}), {Op(2), Operand(9, 1), Operand(4, 1)}, "-|| 9| 4", 5},
        {Choice({Multiplication}, {}, Medium), {Op(3), Operand(104, 2), Operand(37, 2)},
         "x|| 104| 37", 3848},
        {Choice({Addition}, {}, Medium), {Op(1), Operand(0, 2), Draw7}, "+|| 0| 7", 7},
        {Choice({Addition}, {}, Hard), {Op(1), Power(6, 6), Operand(100, 6), Power(5, 5),
         Operand(5, 5), Power(1, 5), Operand(6, 1)}, "+| 100| 5| 6", 111},
        {Choice({Division}, {}, Hard), {Op(4), Power(2, 6), Operand(100, 2), Power(2, 5),
         Operand(17, 2), Power(1, 5), Operand(5, 1)}, "/|| 17| 5", 3},
        {Choice({Addition}, {}, Diabloish), {Op(1), Power(6, 6), Operand(1234567, 6), Power(5, 5),
         Operand(805, 5), Power(4, 4), Operand(42, 4), Power(3, 3), Operand(9, 3)},
         "+ 1234567| 805| 42| 9", 1235423},
        // Rejected: the operation not ticked; below zero; below one; a zero divisor; no ticked
        // number on Easy; a zero beside Division; a product beyond 32 bits.
        {Choice({Subtraction}, {}, Medium), {Op(1), Op(2), Draw7, Draw7}, "-|| 7| 7", 0},
        {Choice({Subtraction}, {}, Medium), {Op(2), Operand(3, 2), Operand(4, 2), Op(2), Draw7,
         Draw7}, "-|| 7| 7", 0},
        {Choice({Division}, {}, Medium), {Op(4), Operand(3, 2), Operand(4, 2), Op(4), Operand(9, 2),
         Operand(3, 2)}, "/|| 9| 3", 3},
        {Choice({Division}, {}, Medium), {Op(4), Draw7, Operand(0, 2), Op(4), Draw7, Draw7},
         "/|| 7| 7", 1},
        {Choice({Addition}, {7}), {Op(1), Operand(5, 1), Operand(2, 1), Op(1), Operand(5, 1),
         Operand(7, 1)}, "+|| 5| 7", 12},
        {Choice({Addition, Division}, {0, 7}), {Op(1), Operand(7, 1), Operand(0, 1), Op(1),
         Operand(7, 1), Operand(7, 1)}, "+|| 7| 7", 14},
        {Choice({Multiplication}, {}, Hard), {Op(3), Power(1, 6), Operand(0, 1), Power(5, 5),
         Operand(161050, 5), Power(5, 5), Operand(13335, 5), Op(3), Power(1, 6), Operand(0, 1),
         Power(5, 5), Operand(161050, 5), Power(5, 5), Operand(13334, 5)},
         "x|| 161050| 13334", 2147440700},
    };
    // clang-format on
    for (const auto& [choice, draws, lines, answer] : rows) {
        ScriptedRandom random;
        random.draws.assign(draws.begin(), draws.end());
        const Problem problem = DrawProblem(choice, random);
        const auto written = ProblemLines(problem, choice.difficulty);
        EXPECT_EQ(OperationSign(problem.operation) + written[3] + "|" + written[2] + "|" +
                      written[1] + "|" + written[0],
                  lines);
        EXPECT_EQ(ComputeAnswer(problem), answer) << lines;
        EXPECT_TRUE(random.draws.empty()) << lines;
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

// Counts and percentage signed-blank, halves to even; the grade read from the percentage shown.
TEST(Drill, StatusAndGrade)
{
    const std::tuple<int16_t, int16_t, const char*> rows[] = {
        // right answers, problems posed, percentage
        {0, 0, " 0"},  {0, 10, " 0"}, {7, 8, " 88"},      {5, 8, " 62"},
        {1, 3, " 33"}, {2, 3, " 67"}, {37, 40, " 92"},    {25, 27, " 93"},
        {1, 8, " 12"}, {3, 8, " 38"}, {100, 100, " 100"},
    };
    for (const auto& [correct, posed, percentage] : rows) {
        const StatusCaptions status = Status(correct, int16_t(posed - correct), posed);
        EXPECT_EQ(status.correct + status.incorrect,
                  " " + std::to_string(correct) + " " + std::to_string(posed - correct));
        EXPECT_EQ(status.percentage, percentage) << correct << "/" << posed;
    }
    // Each grade from its lowest percentage up.
    const std::pair<int, const char*> lowest[] = {
        {100, "A+"}, {93, "A"},  {90, "A-"}, {87, "B+"}, {83, "B"},  {80, "B-"}, {77, "C+"},
        {73, "C"},   {70, "C-"}, {67, "D+"}, {63, "D"},  {60, "D-"}, {0, "F"}};
    for (int p = 100, row = 0; p >= 0; --p) {
        row += p < lowest[row].first;
        EXPECT_EQ(LetterGrade(" " + std::to_string(p)), lowest[row].second) << p;
    }
}

// No seconds give "Unlimited"; the countdown ends the time at zero.
TEST(Drill, TimeLimitsAndTheCountdown)
{
    EXPECT_EQ(TimeLimitCaption(0), "Unlimited");
    EXPECT_EQ(TimeLimitCaption(240), "240");
    const std::tuple<const char*, const char*, bool> ticks[] = {
        {"240", "239", false}, {"2", "1", false}, {"1", "0", true}, {"0", "-1", true}};
    for (const auto& [before, after, timeUp] : ticks) {
        EXPECT_EQ(CountDown(before)->caption, after);
        EXPECT_EQ(CountDown(before)->timeUp, timeUp) << before;
    }
    EXPECT_FALSE(CountDown("Unlimited").has_value());
}
