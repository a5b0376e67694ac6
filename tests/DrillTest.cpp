// The drill's rules: drawing problems, Start's checks, judging, the status and the countdown.

#include "drill/ProblemDraw.h"
#include "drill/Scoring.h"
#include "drill/SettingsChecks.h"
#include "support/ScriptedRandom.h"
#include "toolkit/NumberText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <tuple>

using namespace drill;
using toolkit::PlainText;

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

// Columns drawn left to right, a power before each Hard operand, a bad draw starting over.
TEST(Drill, DrawsWritesAndSolvesProblems)
{
    using Row = std::tuple<const char*, DrillChoice, std::vector<double>, const char*, int32_t>;
    const double Draw7 = Operand(7, 2);
    // clang-format off
    const Row rows[] = {
        {"Easy difference wrong", Choice({Subtraction}, {9}), {Op(2), Operand(9, 1),
         Operand(4, 1)}, "-|| 9| 4", 5},
        {"Medium product wrong", Choice({Multiplication}, {}, Medium), {Op(3), Operand(104, 2),
         Operand(37, 2)}, "x|| 104| 37", 3848},
        {"a 0 operand refused", Choice({Addition}, {}, Medium), {Op(1), Operand(0, 2), Draw7},
         "+|| 0| 7", 7},
        {"Hard's power not drawn per operand", Choice({Addition}, {}, Hard), {Op(1), Power(6, 6),
         Operand(100, 6), Power(5, 5), Operand(5, 5), Power(1, 5), Operand(6, 1)},
         "+| 100| 5| 6", 111},
        {"Hard quotient wrong", Choice({Division}, {}, Hard), {Op(4), Power(2, 6),
         Operand(100, 2), Power(2, 5), Operand(17, 2), Power(1, 5), Operand(5, 1)}, "/|| 17| 5", 3},
        {"Diabloish's four operands", Choice({Addition}, {}, Diabloish), {Op(1), Power(6, 6),
         Operand(1234567, 6), Power(5, 5), Operand(805, 5), Power(4, 4), Operand(42, 4),
         Power(3, 3), Operand(9, 3)}, "+ 1234567| 805| 42| 9", 1235423},
        {"an unticked operation kept", Choice({Subtraction}, {}, Medium), {Op(1), Op(2), Draw7,
         Draw7}, "-|| 7| 7", 0},
        {"a difference below 0 kept", Choice({Subtraction}, {}, Medium), {Op(2), Operand(3, 2),
         Operand(4, 2), Op(2), Draw7, Draw7}, "-|| 7| 7", 0},
        {"a quotient by 1 wrong", Choice({Division}, {1}), {Op(4), Operand(8, 1), Operand(1, 1)},
         "/|| 8| 1", 8},
        {"a quotient below 1 kept", Choice({Division}, {}, Medium), {Op(4), Operand(3, 2),
         Operand(4, 2), Op(4), Operand(9, 2), Operand(3, 2)}, "/|| 9| 3", 3},
        {"a 0 divisor kept", Choice({Division}, {}, Medium), {Op(4), Draw7, Operand(0, 2), Op(4),
         Draw7, Draw7}, "/|| 7| 7", 1},
        {"Easy with no ticked number kept", Choice({Addition}, {7}), {Op(1), Operand(5, 1),
         Operand(2, 1), Op(1), Operand(5, 1), Operand(7, 1)}, "+|| 5| 7", 12},
        {"a 0 beside Division kept", Choice({Addition, Division}, {0, 7}), {Op(1), Operand(7, 1),
         Operand(0, 1), Op(1), Operand(7, 1), Operand(7, 1)}, "+|| 7| 7", 14},
        {"a product beyond 32 bits kept", Choice({Multiplication}, {}, Hard), {Op(3), Power(1, 6),
         Operand(0, 1), Power(5, 5), Operand(161050, 5), Power(5, 5), Operand(13335, 5), Op(3),
         Power(1, 6), Operand(0, 1), Power(5, 5), Operand(161050, 5), Power(5, 5),
         Operand(13334, 5)}, "x|| 161050| 13334", 2147440700},
    };
    // clang-format on
    for (const auto& [fault, choice, draws, lines, answer] : rows) {
        ScriptedRandom random;
        random.draws.assign(draws.begin(), draws.end());
        const Problem problem = DrawProblem(choice, random);
        const auto written = ProblemLines(problem, choice.difficulty);
        EXPECT_EQ(OperationSign(problem.operation) + written[3] + "|" + written[2] + "|" +
                      written[1] + "|" + written[0],
                  lines)
            << fault;
        EXPECT_EQ(ComputeAnswer(problem), answer) << fault;
        EXPECT_TRUE(random.draws.empty()) << fault;
    }
}

TEST(Drill, AnEasyProblemUsesATickedNumber)
{
    using Row = std::tuple<const char*, DrillChoice, int, int, bool>; // fault, first, second, uses
    const DrillChoice seven = Choice({Addition}, {7}), zero = Choice({Addition}, {0}),
                      zeroWithDivision = Choice({Addition, Division}, {0, 4});
    // clang-format off
    const Row rows[] = {
        {"1st unread", seven, 7, 3, true}, {"2nd unread", seven, 3, 7, true},
        {"any number", seven, 3, 4, false}, {"0 1st unread", zero, 0, 9, true},
        {"0 2nd unread", zero, 9, 0, true}, {"0 unticked", seven, 0, 3, false},
        {"unticked", Choice({Addition}, {1, 2, 3}), 5, 6, false},
        {"0 beside Division", zeroWithDivision, 0, 4, false},
        {"0 2nd beside Division", zeroWithDivision, 4, 0, false},
        {"4 not then", zeroWithDivision, 4, 4, true},
        {"0 no divisor refused", Choice({Division}, {4}), 0, 4, true},
        {"10 out", Choice({Addition}, {10}), 10, 10, true},
        {"1 out", Choice({Addition}, {1}), 9, 1, true},
    };
    // clang-format on
    for (const auto& [fault, choice, first, second, uses] : rows)
        EXPECT_EQ(UsesTickedNumber(first, second, choice), uses) << fault;
}

// Each start draws other problems: the draw is seeded from the time of day.
TEST(Drill, ProblemsDifferFromOneStartToTheNext)
{
    toolkit::TimeSeededRandom first;
    const auto seeded = std::chrono::system_clock::now();
    while (std::chrono::system_clock::now() - seeded < std::chrono::microseconds(2)) {
    }
    toolkit::TimeSeededRandom second;
    EXPECT_NE(first.Draw(), second.Draw());
}

TEST(Drill, SettingsThatAllowNoTestOrNoProblemAreNamed)
{
    const std::string NoType = "No test type selected!", Zero = "Can not test 0 with Division!",
                      NoNumbers = "No numbers selected for testing!", Starts = "", Draws = "";
    using Row = std::tuple<const char*, DrillChoice, std::string, std::string>;
    // clang-format off
    const Row rows[] = {
        {"no operation", Choice({}, {3, 0}, Hard), NoType, NoType},
        {"0 with Division", Choice({Division}, {0}, Hard), Zero, Draws},
        {"0 beside 1 refused", Choice({Division}, {0, 1}), Starts, Draws},
        {"0 with Division drawn", Choice({Addition, Division}, {0}), Zero, Zero},
        {"numbers off Easy", Choice({Addition, Division}, {0}, Medium), Starts, Draws},
        {"0 alone refused", Choice({Addition}, {0}), Starts, Draws},
        {"no number", Choice({Multiplication, Division}, {}, Hard), NoNumbers, Draws},
        {"no number on Easy drawn", Choice({Addition}, {}), NoNumbers, NoNumbers},
        {"no length", Choice({Addition}, {10}, Easy, -1), "No number of problems selected!", Draws},
        {"no difficulty", Choice({Addition}, {10}, -1), "No difficulty selected!", Draws},
    };
    // clang-format on
    for (const auto& [fault, choice, atStart, atProblem] : rows) {
        EXPECT_EQ(WhyStartRefused(choice).value_or(""), atStart) << fault;
        EXPECT_EQ(WhyNoProblem(choice).value_or(""), atProblem) << fault;
    }
}

TEST(Drill, TypedAnswersAreReadLeniently)
{
    // clang-format off
    const std::tuple<const char*, const char*, int32_t, bool> rows[] = {
        {"nothing typed not 0", "", 0, true}, {"nothing typed right for 1", "", 1, false},
        {"not read leniently", "12abc", 12, true}, {"a whole decimal wrong", "12.0", 12, true},
        {"a fraction cut off", "12.5", 12, false}, {"a fraction rounded", "12.5", 13, false},
        {"the sign dropped", "-5", 5, false}, {"overflow taken as 0", "1e400", 0, false},
        {"a prefix matched", "50", 5, false},
        {"the largest answer lost", "2147483647", 2147483647, true},
    };
    // clang-format on
    for (const auto& [fault, typed, answer, right] : rows) {
        const Judgement judgement = Judge(typed, answer);
        EXPECT_EQ(judgement.right, right) << fault;
        EXPECT_EQ(judgement.message, right ? "You were right!" : "Oops!!!");
    }
}

TEST(Drill, StatusAndGrade)
{
    // clang-format off
    const std::tuple<const char*, int16_t, int16_t, const char*> rows[] = { // right of posed
        {"none posed divides by 0", 0, 0, " 0"}, {"none right not 0", 0, 10, " 0"},
        {"87.5 not to even", 7, 8, " 88"}, {"62.5 not to even", 5, 8, " 62"},
        {"33.3 not down", 1, 3, " 33"}, {"66.7 not up", 2, 3, " 67"},
        {"all right not 100", 100, 100, " 100"},
    };
    // clang-format on
    for (const auto& [fault, correct, posed, percentage] : rows) {
        const StatusCaptions status = Status(correct, int16_t(posed - correct), posed);
        EXPECT_EQ(status.correct + status.incorrect,
                  " " + std::to_string(correct) + " " + std::to_string(posed - correct));
        EXPECT_EQ(status.percentage, percentage) << fault;
    }
    // Each grade from its lowest percentage down to the next grade's, walked down the table; a
    // few percentages a user knows, and none above 100.
    const auto grades = GradeTable();
    for (size_t row = 1; row < grades.size(); ++row) {
        const GradeRow &above = grades[row - 1], &next = grades[row];
        EXPECT_GT(above.lowest, next.lowest) << above.grade << " is not above " << next.grade;
        EXPECT_EQ(LetterGrade(PlainText(above.lowest)) + LetterGrade(PlainText(above.lowest - .5)),
                  std::string(above.grade) + next.grade);
    }
    for (const auto& [percentage, grade] : std::map<std::string, std::string>{
             {" 100", "A+"}, {" 93", "A"}, {" 59", "F"}, {"-1", "F"}, {"100.5", ""}})
        EXPECT_EQ(LetterGrade(percentage), grade) << percentage;
}

TEST(Drill, TimeLimitsAndTheCountdown)
{
    EXPECT_EQ(TimeLimitCaption(0) + "|" + TimeLimitCaption(240), "Unlimited|240");
    const std::tuple<const char*, const char*, const char*, bool> ticks[] = {
        {"no second off", "240", "239", false},
        {"up a second early", "2", "1", false},
        {"not up at 0", "1", "0", true},
        {"not up past 0", "0", "-1", true}};
    for (const auto& [fault, before, after, timeUp] : ticks) {
        EXPECT_EQ(CountDown(before)->caption, after) << fault;
        EXPECT_EQ(CountDown(before)->timeUp, timeUp) << fault;
    }
    EXPECT_FALSE(CountDown("Unlimited").has_value());
}
