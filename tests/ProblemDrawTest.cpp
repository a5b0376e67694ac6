#include "drill/ProblemDraw.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace drill;

namespace {

DrillChoice Choice(std::initializer_list<int> operations, std::initializer_list<int> numbers,
                   int16_t difficulty)
{
    DrillChoice choice;
    for (int op : operations)
        choice.operations[op - 1] = 1;
    for (int n : numbers)
        choice.numbers[n] = 1;
    choice.difficulty = difficulty;
    return choice;
}

void ExpectProblem(const Problem& p, int op, int fourth, int third, int second, int first)
{
    EXPECT_EQ(p.operation, op);
    EXPECT_EQ(p.FourthOperand, fourth);
    EXPECT_EQ(p.ThirdOperand, third);
    EXPECT_EQ(p.SecondOperand, second);
    EXPECT_EQ(p.FirstOperand, first);
}

} // namespace

TEST(ProblemDraw, EachLevelDrawsItsColumnsLeftToRight)
{
    {
        ScriptedRandom random{Op(Addition), Operand(7, 1), Operand(3, 1)};
        ExpectProblem(DrawProblem(Choice({Addition}, {7}, Easy), random), Addition, 0, 0, 7, 3);
        EXPECT_EQ(random.Left(), 0u);
    }
    {
        ScriptedRandom random{Op(Multiplication), Operand(104, 2), Operand(37, 2)};
        ExpectProblem(DrawProblem(Choice({Multiplication}, {}, Medium), random), Multiplication, 0,
                      0, 104, 37);
        EXPECT_EQ(random.Left(), 0u);
    }
    {
        ScriptedRandom random{Op(Addition),   Power(6, 6), Operand(1000000, 6), Power(2, 5),
                              Operand(42, 2), Power(1, 5), Operand(9, 1)};
        ExpectProblem(DrawProblem(Choice({Addition}, {}, Hard), random), Addition, 0, 1000000, 42,
                      9);
        EXPECT_EQ(random.Left(), 0u);
    }
    {
        ScriptedRandom random{Op(Addition),   Power(6, 6),     Operand(1234567, 6),
                              Power(3, 5),    Operand(805, 3), Power(2, 4),
                              Operand(42, 2), Power(1, 3),     Operand(9, 1)};
        ExpectProblem(DrawProblem(Choice({Addition}, {}, Diabloish), random), Addition, 1234567,
                      805, 42, 9);
        EXPECT_EQ(random.Left(), 0u);
    }
}

TEST(ProblemDraw, UnsuitableDrawsAreDrawnAgainFromTheOperation)
{
    struct Case
    {
        const char* why;
        DrillChoice choice;
        std::initializer_list<double> rejected;
    };
    const Case cases[] = {
        {"operation not ticked", Choice({Subtraction}, {}, Medium), {Op(Addition)}},
        {"difference below zero",
         Choice({Subtraction}, {}, Medium),
         {Op(Subtraction), Operand(3, 2), Operand(4, 2)}},
        {"quotient below one",
         Choice({Division}, {}, Medium),
         {Op(Division), Operand(3, 2), Operand(4, 2)}},
        {"no ticked number on Easy",
         Choice({Subtraction}, {7}, Easy),
         {Op(Subtraction), Operand(5, 1), Operand(2, 1)}},
        {"zero divisor",
         Choice({Division}, {}, Medium),
         {Op(Division), Operand(5, 2), Operand(0, 2)}},
        {"zero divisor beside a ticked number",
         Choice({Division}, {7}, Easy),
         {Op(Division), Operand(7, 1), Operand(0, 1)}},
        {"product beyond 32 bits",
         Choice({Multiplication}, {}, Hard),
         {Op(Multiplication), Power(1, 6), Operand(0, 1), Power(5, 5), Operand(161050, 5),
          Power(5, 5), Operand(161050, 5)}},
    };
    for (const Case& c : cases) {
        ScriptedRandom random(c.rejected);
        // After the rejected draw, a draw that passes: the operation's own, with equal operands.
        const int op = c.choice.operations[Subtraction - 1] ? Subtraction
                       : c.choice.operations[Division - 1]  ? Division
                                                            : Multiplication;
        const int power = c.choice.difficulty == Easy ? 1 : 2;
        if (c.choice.difficulty == Hard)
            random.Add({Op(op), Power(1, 6), Operand(0, 1), Power(1, 5), Operand(7, 1), Power(1, 5),
                        Operand(7, 1)});
        else
            random.Add({Op(op), Operand(7, power), Operand(7, power)});
        int draws = 0;
        const Problem problem = DrawProblem(c.choice, random, &draws);
        EXPECT_EQ(draws, 2) << c.why;
        EXPECT_EQ(problem.operation, op) << c.why;
        EXPECT_EQ(problem.FirstOperand, 7) << c.why;
        EXPECT_EQ(random.Left(), 0u) << c.why;
    }
}

TEST(ProblemDraw, AnswersFollowTheSign)
{
    EXPECT_EQ(ComputeAnswer("+", 9, 42, 805, 1234567), 1235423);
    EXPECT_EQ(ComputeAnswer("-", 4, 9, 0, 0), 5);
    EXPECT_EQ(ComputeAnswer("x", 37, 104, 5, 5), 3848);
    EXPECT_EQ(ComputeAnswer("/", 5, 17, 0, 0), 3);
    EXPECT_EQ(ComputeAnswer("/", 2, 7, 0, 0), 3);
    EXPECT_EQ(ComputeAnswer("/", 3, 9, 0, 0), 3);
    EXPECT_EQ(ComputeAnswer("-", 5, 5, 0, 0), 0);
}

TEST(ProblemDraw, TickedNumberRuleOnEasy)
{
    struct Case
    {
        std::initializer_list<int> operations;
        std::initializer_list<int> numbers;
        int first, second;
        bool uses;
    };
    const Case cases[] = {
        {{Addition}, {7}, 7, 3, true},
        {{Addition}, {7}, 3, 7, true},
        {{Addition}, {7}, 3, 4, false},
        {{Addition}, {0}, 0, 9, true},
        {{Addition, Division}, {0, 4}, 0, 4, false}, // 0 never counts beside Division
        {{Addition, Division}, {0, 4}, 4, 4, true},
        {{Division}, {4}, 0, 4, true}, // 0 unticked: a zero may stand beside 4
        {{Addition}, {10}, 10, 10, true},
        {{Addition}, {1, 2, 3}, 5, 6, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UsesTickedNumber(c.first, c.second, Choice(c.operations, c.numbers, Easy)),
                  c.uses)
            << c.first << ", " << c.second;
}

TEST(ProblemDraw, SettingsThatAdmitNoProblemAreNamed)
{
    struct Case
    {
        DrillChoice choice;
        const char* why; // null when a problem can be drawn
    };
    const Case cases[] = {
        {Choice({}, {1, 2}, Easy), "No test type selected!"},
        {Choice({}, {}, Hard), "No test type selected!"},
        {Choice({Addition}, {}, Easy), "No numbers selected for testing!"},
        {Choice({Division}, {0}, Easy), "Can not test 0 with Division!"},
        {Choice({Addition, Division}, {0}, Easy), "Can not test 0 with Division!"},
        {Choice({Addition}, {0}, Easy), nullptr},
        {Choice({Division}, {10}, Easy), nullptr},
        {Choice({Addition}, {}, Medium), nullptr},
        {Choice({Division}, {0}, Diabloish), nullptr},
    };
    for (const Case& c : cases) {
        const auto why = WhyNoProblem(c.choice);
        if (c.why)
            EXPECT_EQ(why, c.why);
        else
            EXPECT_FALSE(why.has_value()) << *why;
    }
}

// Properties of many real random draws at every level.
TEST(ProblemDraw, RandomDrawsKeepTheirPromises)
{
    toolkit::TimeSeededRandom random;
    const int maxOperand[] = {10, 120, 1771560, 1771560};
    for (int16_t level = Easy; level <= Diabloish; ++level) {
        const DrillChoice choice =
            Choice({Addition, Subtraction, Multiplication, Division}, {0, 3, 7}, level);
        for (int i = 0; i < 100000; ++i) {
            const Problem p = DrawProblem(choice, random);
            for (int32_t operand :
                 {p.FirstOperand, p.SecondOperand, p.ThirdOperand, p.FourthOperand}) {
                ASSERT_GE(operand, 0);
                ASSERT_LE(operand, maxOperand[level]);
            }
            if (level < Hard) {
                ASSERT_EQ(p.ThirdOperand + p.FourthOperand, 0);
            }
            if (level == Easy) {
                // Division and 0 are ticked: no zero operand at all, and 3 or 7 on one side.
                ASSERT_NE(p.FirstOperand, 0);
                ASSERT_NE(p.SecondOperand, 0);
                ASSERT_TRUE(p.FirstOperand == 3 || p.FirstOperand == 7 || p.SecondOperand == 3 ||
                            p.SecondOperand == 7);
            }
            if (p.operation == Subtraction || p.operation == Division) {
                ASSERT_GE(p.SecondOperand, p.FirstOperand);
            }
            if (p.operation == Division) {
                ASSERT_NE(p.FirstOperand, 0);
            }
            if (p.operation == Multiplication) {
                ASSERT_LE(int64_t(p.FirstOperand) * p.SecondOperand,
                          std::numeric_limits<int32_t>::max());
            }
        }
    }
}

TEST(ProblemDraw, RandomDrawsOnEasyWithoutDivisionMayUseZero)
{
    toolkit::TimeSeededRandom random;
    const DrillChoice choice = Choice({Addition}, {4}, Easy);
    bool zeroSeen = false;
    for (int i = 0; i < 100000; ++i) {
        const Problem p = DrawProblem(choice, random);
        ASSERT_TRUE(p.FirstOperand == 4 || p.SecondOperand == 4);
        zeroSeen = zeroSeen || p.FirstOperand == 0 || p.SecondOperand == 0;
    }
    EXPECT_TRUE(zeroSeen);
}
