// Each fact's state, what is still to learn, which numbers to tick, and a practice of the missed.

#include "learning/Facts.h"
#include "drill/PracticeSource.h"
#include "learning/Missed.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace learning;
using namespace results;

TEST(Facts, AFactIsTwoNumbersUpToTenAsPosed)
{
    const std::tuple<const char*, char, std::vector<int64_t>, const char*> rows[] = {
        {"a product's order kept", 'x', {8, 7}, "7 x 8"},
        {"a sum's order kept", '+', {9, 2}, "2 + 9"},
        {"a difference turned round", '-', {9, 4}, "9 - 4"},
        {"a quotient turned round", '/', {9, 4}, "9 / 4"},
        {"10 left out", 'x', {10, 10}, "10 x 10"},
        {"an operand above 10 taken", 'x', {11, 2}, "none"},
        {"a third operand taken", '+', {1, 2, 3}, "none"},
        {"an unknown sign taken", '?', {1, 2}, "none"}};
    for (const auto& [fault, operation, operands, named] : rows) {
        const auto fact = FactOf(operation, operands);
        EXPECT_EQ(fact ? FactText(*fact) : "none", named) << fault;
    }
    EXPECT_EQ(OperandsOf(*FactOf('x', {7, 8})), std::vector<int64_t>({8, 7})) << "larger on top";
    EXPECT_EQ(OperandsOf(*FactOf('-', {9, 4})), std::vector<int64_t>({9, 4}));
}

// Answers to 7 x 8, oldest first: "r2.5" right in 2.5 s, "w4" wrong in 4 s.
static FactTable Answered(std::initializer_list<const char*> answers, double fluency = 3)
{
    FactTable facts(fluency);
    for (const std::string answer : answers)
        facts.Add({'x', {8, 7}, answer[0] == 'r', std::stod(answer.substr(1)), {}});
    return facts;
}

// A fact's state, with the fluency time's edge: 3 s fluent, 3.1 s slow.
TEST(Facts, AFactsStateComesFromItsLastThreeAnswers)
{
    const char* names[] = {"not asked", "missed", "slow", "learning", "known"}; // as FactState
    const std::tuple<const char*, FactTable, const char*> rows[] = {
        {"asked once counted", Answered({}), "not asked"},
        {"a wrong one forgotten at once", Answered({"w2", "r1", "r1"}), "missed"},
        {"a wrong one remembered past three", Answered({"w2", "r1", "r1", "r1"}), "known"},
        {"fifty wrong outweigh three right", Answered({"w1", "w1", "w1", "w1", "r1", "r1", "r1"}),
         "known"},
        {"3 s taken as slow", Answered({"r3", "r3", "r3"}), "known"},
        {"3.1 s taken as fluent", Answered({"r1", "r3.1", "r1"}), "slow"},
        {"a slow one forgotten at once", Answered({"r9", "r1", "r1"}), "slow"},
        {"twice fast taken as known", Answered({"r1", "r1"}), "learning"},
        {"the fluency time not chosen", Answered({"r4", "r4", "r4"}, 5), "known"}};
    for (const auto& [fault, facts, state] : rows)
        EXPECT_STREQ(names[static_cast<int>(facts.StateOf({'x', 7, 8}))], state) << fault;
    const auto last = Answered({"w2", "r4"}).LastAnswers({'x', 7, 8});
    ASSERT_EQ(last.size(), 2u);
    EXPECT_TRUE(last[0].right && last[0].seconds == 4) << "the newest first";
}

// The missed then the slow, slowest first; a miss held against a number only where it was ticked.
TEST(Facts, WhatIsStillToLearnAndWhichNumbersToTick)
{
    FactTable facts;
    const std::tuple<char, std::vector<int64_t>, bool, double, std::vector<int>> answers[] = {
        {'x', {7, 5}, false, 4, {7}},    {'x', {8, 7}, false, 6, {7, 8}},
        {'x', {9, 8}, false, 2, {8, 9}}, {'x', {4, 3}, true, 5, {3}},
        {'x', {6, 2}, true, 4.5, {6}},   {'x', {6, 6}, true, 1, {6}},
        {'/', {9, 3}, false, 1, {3}},    {'+', {12, 3}, false, 9, {}},
        {'-', {10, 4}, false, 3, {}},    {'x', {10, 6}, false, 0.5, {10}}};
    for (const auto& [operation, operands, right, seconds, ticked] : answers)
        facts.Add({operation, operands, right, seconds, ticked});
    std::string toLearn;
    for (const Fact& fact : facts.ToLearn())
        toLearn += FactText(fact) + ", ";
    EXPECT_EQ(toLearn, "7 x 8, 5 x 7, 10 - 4, 8 x 9, 9 / 3, 6 x 10, 3 x 4, 2 x 6, ");
    const Practice tick = facts.ToTick();
    EXPECT_EQ(std::tuple(tick.operations, tick.numbers),
              std::tuple("-x/", std::vector{3, 7, 8, 10}))
        << "7, 8 and 10 held twice, 10 by a test that ticked none; never the unticked 5 of 5 x 7";
    EXPECT_TRUE(FactTable().ToTick().Empty() && !FactTable().AnyAsked());
}

// One answered wrong comes back two problems later, at most three times, each adding one problem.
TEST(Facts, APracticeAsksAMissedOneAgainUntilItIsRight)
{
    drill::PracticeSource practice(
        {{'x', {8, 7}}, {'x', {7, 6}}, {'x', {9, 8}}, {'+', {30, 5, 12}}});
    std::string asked;
    for (const char verdict : std::string("wrrwrww")) {
        const drill::Problem problem = practice.Next();
        asked += std::to_string(problem.SecondOperand) + "x" +
                 std::to_string(problem.FirstOperand) + " ";
        practice.Judged(verdict == 'r');
    }
    EXPECT_EQ(asked, "8x7 7x6 9x8 8x7 5x12 8x7 8x7 ");
    EXPECT_EQ(practice.Length(), 4 + 3) << "one more for each wrong one asked again, thrice";
    const drill::Problem sum = drill::ProblemOf({'+', {30, 5, 12}});
    EXPECT_EQ(std::tuple(sum.ThirdOperand, sum.SecondOperand, sum.FirstOperand, sum.difficulty),
              std::tuple(30, 5, 12, int16_t(drill::Hard)))
        << "its lines top to bottom, as many as it fills";
    // As many as the length chosen, the first first, on Easy with no time limit, its operations
    // in the order of the boxes.
    const auto begun = drill::Practise({{'/', {8, 2}}, {'+', {3, 4}}, {'x', {8, 7}}}, 2, "Ada");
    const results::TestSetup& setup = begun.setup;
    EXPECT_EQ(std::tuple(setup.title, setup.operations, setup.numbers, setup.difficulty,
                         setup.problems, setup.timeLimit, setup.practice, begun.source->Length()),
              std::tuple("Ada", "+/", "", "Easy", 2, 0, 1, 2));
}

// Going over a test: each miss once, as first posed, in the order missed ("=7x8" answered right).
TEST(Facts, GoingOverATestNamesEachMissOnce)
{
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"a product missed both ways named twice", "8x7 7x8 8x7", "8x7"},
        {"a sum missed both ways named twice", "3+4 4+3", "3+4"},
        {"a difference turned round taken for the same", "9-4 4-9", "9-4 4-9"},
        {"a right answer named", "=7x8 9/3", "9/3"},
        {"a problem past ten named twice, or mixed with its mirror", "12x3 12x3 3x12", "12x3 3x12"},
        {"not in the order missed", "2+2 6x7 2+2", "2+2 6x7"}};
    for (const auto& [fault, posed, named] : rows) {
        std::vector<ProblemRow> problems;
        std::istringstream words(posed);
        for (std::string word; words >> word;) {
            ProblemRow& problem = problems.emplace_back();
            problem.correct = word[0] == '=';
            const size_t sign = word.find_first_of("+-x/");
            problem.operation = word[sign];
            problem.operands = {std::stoi(word.substr(problem.correct, sign - problem.correct)),
                                std::stoi(word.substr(sign + 1))};
        }
        std::string missed;
        for (const Asked& asked : MissedOnce(problems))
            missed += (missed.empty() ? "" : " ") + std::to_string(asked.operands[0]) +
                      asked.operation + std::to_string(asked.operands[1]);
        EXPECT_EQ(missed, named) << fault;
    }
}
