// Each fact's state over the days, what is left to learn, the numbers to tick, what practices ask.

#include "learning/Facts.h"
#include "drill/PracticeSource.h"
#include "learning/Missed.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

using namespace learning;

namespace {

const Day Today = DayOf(Date{2026, 12, 8});

// When a test began, so many days from today: "2026-12-05T17:00:00+01:00".
std::string Started(int days, const std::string& time = "T17:00:00+01:00")
{
    const Date date = DateOf(Today + days);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text + time;
}

// "r1.5@-3": right in 1.5 s in a test begun three days ago; "w4": wrong in 4 s today; "r1@…T…"
// begun at that time of that day.
AnsweredProblem Answer(char operation, std::vector<int64_t> operands, const std::string& said,
                       std::vector<int> ticked = {})
{
    const size_t at = said.find('@'), time = said.find('T');
    const int days = at == std::string::npos ? 0 : std::stoi(said.substr(at + 1));
    return {operation,
            std::move(operands),
            said[0] == 'r',
            std::stod(said.substr(1, at - 1)),
            std::move(ticked),
            time == std::string::npos ? Started(days) : Started(days, said.substr(time))};
}

// The facts of these answers to 7 x 8, oldest first.
FactTable Answered(std::initializer_list<const char*> answers, double fluency = 3)
{
    FactTable facts(fluency, Today);
    for (const char* answer : answers)
        facts.Add(Answer('x', {8, 7}, answer));
    return facts;
}

FactTable Of(std::initializer_list<AnsweredProblem> answers)
{
    FactTable facts(3, Today);
    for (const AnsweredProblem& answer : answers)
        facts.Add(answer);
    return facts;
}

std::string Names(const std::vector<Fact>& facts)
{
    std::string names;
    for (const Fact& fact : facts)
        names += (names.empty() ? "" : ", ") + FactText(fact);
    return names;
}

} // namespace

TEST(Facts, AFactIsTwoPartsUpToTenAsATeacherMeansIt)
{
    const std::tuple<const char*, char, std::vector<int64_t>, const char*> rows[] = {
        {"a product's order kept", 'x', {8, 7}, "7 x 8 (7, 8): 8 x 7"},
        {"a sum's order kept", '+', {9, 2}, "2 + 9 (2, 9): 9 + 2"},
        {"a difference within 20 taken", '-', {13, 6}, "13 - 6 (6, 7): 13 - 6"},
        {"a difference to 0 taken", '-', {7, 7}, "7 - 7 (7, 0): 7 - 7"},
        {"a quotient of a product taken", '/', {56, 7}, "56 / 7 (7, 8): 56 / 7"},
        {"0 divided taken", '/', {0, 5}, "0 / 5 (5, 0): 0 / 5"},
        {"a remainder dropped taken", '/', {9, 4}, "none"},
        {"a division by 0 taken", '/', {5, 0}, "none"},
        {"a difference above 10 taken", '-', {21, 10}, "none"},
        {"a difference below 0 taken", '-', {3, 4}, "none"},
        {"a quotient above 10 taken", '/', {77, 7}, "none"},
        {"10 left out", 'x', {10, 10}, "10 x 10 (10, 10): 10 x 10"},
        {"an operand above 10 taken", 'x', {11, 2}, "none"},
        {"a third operand taken", '+', {1, 2, 3}, "none"},
        {"an unknown sign taken", '?', {1, 2}, "none"}};
    for (const auto& [fault, operation, operands, named] : rows) {
        const auto fact = FactOf(operation, operands);
        const auto posed = fact ? OperandsOf(*fact) : std::vector<int64_t>{};
        EXPECT_EQ(fact ? FactText(*fact) + " (" + std::to_string(fact->first) + ", " +
                             std::to_string(fact->second) + "): " + std::to_string(posed[0]) + " " +
                             operation + " " + std::to_string(posed[1])
                       : "none",
                  named)
            << fault;
        EXPECT_TRUE(!fact || FactAt(operation, fact->first, fact->second) == fact) << fault;
    }
    EXPECT_EQ(FactAt('x', 8, 7), FactOf('x', {8, 7})) << "either way round, one fact";
    EXPECT_FALSE(FactAt('/', 0, 3)) << "no division by 0";
    EXPECT_EQ(std::vector({FactsIn('+'), FactsIn('-'), FactsIn('x'), FactsIn('/')}),
              std::vector({66, 121, 66, 110}));
}

// A fact's state and its days on the ladder, 3 s fluent and 3.1 s slow.
TEST(Facts, AFactIsKnownOnceItHoldsOnTwoDaysAndComesBackAtGrowingIntervals)
{
    const char* names[] = {"not asked", "missed", "slow", "learning", "known", "due again"};
    const std::tuple<const char*, FactTable, const char*> rows[] = {
        {"asked once counted", Answered({}), "not asked"},
        {"a wrong one forgotten at once", Answered({"w2@-5", "r1@-4", "r1@-3"}), "missed"},
        {"a wrong one remembered past three", Answered({"w2@-5", "r1@-4", "r1@-3", "r1@-2"}),
         "known since -2, due 1"},
        {"3.1 s taken as fluent", Answered({"r1@-2", "r3.1@-1", "r1"}), "slow"},
        {"3 s taken as slow", Answered({"r3@-2", "r3@-1", "r3"}), "known since 0, due 3"},
        {"the fluency time not chosen", Answered({"r4@-2", "r4@-1", "r4"}, 5),
         "known since 0, due 3"},
        {"twice fast taken as known", Answered({"r1@-1", "r1"}), "learning"},
        {"three in one evening taken as known", Answered({"r1", "r1", "r1"}), "learning"},
        {"two days not taken as known", Answered({"r1@-3", "r1@-3", "r1"}), "known since 0, due 3"},
        {"learned last month never asked again", Answered({"r1@-40", "r1@-40", "r1@-39"}),
         "due again since -39, due -36"},
        {"its day not due", Answered({"r1@-4", "r1@-4", "r1@-3"}), "due again since -3, due 0"},
        {"due before its day", Answered({"r1@-4", "r1@-4", "r1@-2"}), "known since -2, due 1"},
        {"answered early, its day moved", Answered({"r1@-6", "r1@-6", "r1@-5", "r1@-4"}),
         "due again since -5, due -2"},
        {"the ladder not climbed",
         Answered({"r1@-40", "r1@-40", "r1@-39", "r1@-36", "r1@-29", "r1@-15"}),
         "known since -39, due 15"},
        {"the ladder's top passed",
         Answered({"r1@-200", "r1@-200", "r1@-199", "r1@-196", "r1@-189", "r1@-175", "r1@-145",
                   "r1@-85"}),
         "due again since -199, due -25"},
        {"a wrong answer leaves it on its step of the ladder",
         Answered({"r1@-40", "r1@-40", "r1@-39", "r1@-36", "w1@-30", "r1@-29", "r1@-29", "r1@-28",
                   "r1@-27"}),
         "due again since -28, due -25"},
        {"a slow answer leaves it known", Answered({"r1@-4", "r1@-4", "r1@-3", "r5"}), "slow"},
        {"a future day not today", Answered({"r1@-1", "r1@-1", "r1@5"}), "known since 0, due 3"},
        {"a test begun before midnight not one day",
         Answered({"r1@-1T23:59:00+01:00", "r1@-1T23:59:00+01:00", "r1@0T00:01:00+01:00"}),
         "known since 0, due 3"},
        {"a time zone's change taken as a day",
         Answered({"r1@-1T08:00:00+01:00", "r1@-1T23:30:00-05:00", "r1@-1"}), "learning"},
        {"summer time taken as a day",
         Answered({"r1@-1T01:30:00+01:00", "r1@-1T23:30:00+02:00", "r1@-1"}), "learning"}};
    for (const auto& [fault, facts, expected] : rows) {
        const Standing standing = facts.StandingOf({'x', 7, 8});
        std::string said = names[static_cast<int>(standing.state)];
        if (standing.knownSince)
            said += " since " + std::to_string(*standing.knownSince - Today) + ", due " +
                    std::to_string(*standing.due - Today);
        EXPECT_EQ(said, expected) << fault;
    }
    const auto last = Answered({"w2", "r4"}).StandingOf({'x', 7, 8}).last;
    EXPECT_TRUE(last.size() == 2 && last[0].right && last[0].seconds == 4 && last[0].day == Today)
        << "the newest first";
}

// The local day of a moment, by the clock's time zone, across a change to summer time.
TEST(Facts, TodayIsTheLocalDayOfTheClock)
{
    const char* zone = std::getenv("TZ");
    const std::string before = zone ? zone : "";
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1), tzset();
    const std::time_t midnight = 1774738800; // 2026-03-29 00:00 +01:00, summer time at 02:00
    EXPECT_EQ(std::vector({LocalDay(midnight - 1) - Today, LocalDay(midnight) - Today,
                           LocalDay(midnight + 23 * 3600 - 1) - Today,
                           LocalDay(midnight + 23 * 3600) - Today}),
              std::vector({-255, -254, -254, -253}))
        << "a day of 23 hours";
    zone ? setenv("TZ", before.c_str(), 1) : unsetenv("TZ"), tzset();
    EXPECT_FALSE(DayOf("yesterday") || DayOf("2026-02-30T10:00:00+01:00"));
}

// The missed then the slow, slowest first; a miss held against a number only where it was ticked;
// the fewest numbers that cover them ticked.
TEST(Facts, WhatIsStillToLearnAndWhichNumbersToTick)
{
    const FactTable facts = Of({Answer('x', {7, 5}, "w4", {7}), Answer('x', {8, 7}, "w6", {7, 8}),
                                Answer('x', {9, 8}, "w2", {8, 9}), Answer('x', {4, 3}, "r5", {3}),
                                Answer('x', {6, 2}, "r4.5", {6}), Answer('x', {6, 6}, "r1", {6}),
                                Answer('/', {9, 3}, "w1", {3}), Answer('+', {12, 3}, "w9"),
                                Answer('-', {10, 4}, "w3"), Answer('x', {10, 6}, "w0.5", {10})});
    EXPECT_EQ(Names(facts.ToLearn()), "7 x 8, 5 x 7, 10 - 4, 8 x 9, 9 / 3, 6 x 10, 3 x 4, 2 x 6");
    EXPECT_EQ(Names(facts.ToLearn('-')), "10 - 4");
    const auto ticked = [](const FactTable& table) {
        const Practice practice = table.ToTick();
        std::string said = practice.operations;
        for (const int number : practice.numbers)
            said += " " + std::to_string(number);
        return said;
    };
    EXPECT_EQ(ticked(facts), "-x/ 3 7 8 10")
        << "7 for two facts, then 10 (one a test with none ticked), 8 and 3; never the unticked 5";
    EXPECT_TRUE(FactTable().ToTick().Empty() && !FactTable().AnyAsked());
    const std::vector<int> tables = {2, 3, 4, 5, 6, 7, 8, 9};
    const std::tuple<const char*, std::string, const char*> rows[] = {
        {"every number of the misses ticked",
         ticked(Of({Answer('x', {7, 6}, "w2", tables), Answer('x', {8, 7}, "w2", tables),
                    Answer('x', {9, 8}, "w2", tables)})),
         "x 7 8"},
        {"an operation dropped, or a part above 10 ticked",
         ticked(Of({Answer('+', {7, 5}, "w2", {5, 7, 8}), Answer('+', {8, 5}, "w2", {5, 7, 8}),
                    Answer('-', {13, 6}, "w2")})),
         "+- 5 6"},
        {"the held-against count not the tie's breaker",
         ticked(Of({Answer('x', {8, 3}, "w2", {3, 8}), Answer('x', {8, 2}, "w2", {2, 8}),
                    Answer('x', {5, 2}, "w2", {2, 5}), Answer('x', {6, 2}, "w2", {2, 6})})),
         "x 2 8"},
        {"more than four ticked",
         ticked(Of({Answer('+', {1, 0}, "w2", {0, 1}), Answer('+', {3, 2}, "w2", {2, 3}),
                    Answer('+', {5, 4}, "w2", {4, 5}), Answer('+', {7, 6}, "w2", {6, 7}),
                    Answer('+', {9, 8}, "w2", {8, 9})})),
         "+ 0 2 4 6"},
        {"the slow ones left out where nothing is missed",
         ticked(Of({Answer('x', {7, 6}, "r5", {6, 7}), Answer('x', {8, 6}, "r1", {6, 8})})), "x 6"},
        {"the slow ones ticked beside a miss",
         ticked(Of({Answer('x', {7, 6}, "r5", {6, 7}), Answer('x', {8, 8}, "w1", {8})})), "x 8"}};
    for (const auto& [fault, said, expected] : rows)
        EXPECT_EQ(said, expected) << fault;
}

// A practice of one operation: the missed, the slow, the due, the learning of an earlier day and
// four new facts in teaching order; known facts, and those learning answered today, left for later.
TEST(Facts, APracticeAsksWhatIsDueTodayInItsOrder)
{
    const FactTable facts =
        Of({Answer('x', {8, 7}, "w5"), Answer('x', {9, 6}, "w2"), Answer('x', {4, 3}, "r4"),
            Answer('x', {5, 2}, "r1@-20"), Answer('x', {5, 2}, "r1@-20"),
            Answer('x', {5, 2}, "r1@-19"), Answer('x', {6, 2}, "r1@-10"),
            Answer('x', {6, 2}, "r1@-10"), Answer('x', {6, 2}, "r1@-6"),
            Answer('x', {4, 4}, "r1@-1"), Answer('x', {5, 5}, "r1@-2"), Answer('x', {5, 5}, "r1"),
            Answer('x', {6, 6}, "r1@-2"), Answer('x', {6, 6}, "r1@-2"), Answer('x', {6, 6}, "r1"),
            Answer('x', {1, 0}, "r1"), Answer('-', {13, 6}, "w3")});
    EXPECT_EQ(Names(facts.ToPractise('x', 20)),
              "7 x 8, 6 x 9, 3 x 4, 2 x 5, 2 x 6, 4 x 4, 0 x 0, 0 x 2, 0 x 10, 0 x 5");
    EXPECT_EQ(Names(facts.ToPractise('x', 4)), "7 x 8, 6 x 9, 3 x 4, 2 x 5") << "as long as chosen";
    EXPECT_EQ(Names(facts.ToPractise('-', 3)), "13 - 6, 0 - 0, 1 - 0");
    EXPECT_EQ(Names(facts.ToPractise('/', 5)), "0 / 1, 1 / 1, 2 / 1, 10 / 1");
    const auto counts = facts.CountsOf('x');
    EXPECT_EQ(std::vector({counts.known, counts.knownWeekAgo, counts.due, counts.facts}),
              std::vector({3, 1, 2, 66}));
    EXPECT_EQ(Names(facts.DueBy('x', Today + 6)), "2 x 5, 2 x 6, 6 x 6");
    EXPECT_EQ(Names(facts.Known('x')), "6 x 6");
}

// One answered wrong comes back two problems later, at most three times, each adding one problem.
TEST(Facts, APracticeAsksAMissedOneAgainUntilItIsRight)
{
    drill::PracticeSource practice(
        {{'x', {8, 7}}, {'x', {7, 6}}, {'x', {9, 8}}, {'+', {30, 5, 12}}});
    const auto asked = [](drill::PracticeSource& source, const std::string& verdicts) {
        std::string said;
        for (const char verdict : verdicts) {
            const drill::Problem problem = source.Next();
            said += std::to_string(problem.SecondOperand) + drill::OperationSign(problem.operation);
            said += std::to_string(problem.FirstOperand) + " ";
            source.Judged(verdict == 'r');
        }
        return said;
    };
    EXPECT_EQ(asked(practice, "wrrwrww"), "8x7 7x6 9x8 8x7 5+12 8x7 8x7 ");
    EXPECT_EQ(practice.Length(), 4 + 3) << "one more for each wrong one asked again, thrice";
    EXPECT_EQ(practice.RightNow(), std::pair(3, 4)) << "the last verdict on each problem asked";
    // The last one left comes back after known ones, each a problem more.
    drill::PracticeSource last({{'+', {7, 5}}}, {{'+', {2, 2}}, {'x', {3, 1}}, {'x', {4, 1}}});
    const std::string lastAsked = asked(last, "wrrr"); // before its length is read
    EXPECT_EQ(std::tuple(lastAsked, last.Length(), last.RightNow()),
              std::tuple("7+5 2+2 3x1 7+5 ", 4, std::optional(std::pair(3, 3))));
    const drill::Problem sum = drill::ProblemOf({'+', {30, 5, 12}});
    EXPECT_EQ(std::tuple(sum.ThirdOperand, sum.SecondOperand, sum.FirstOperand, sum.difficulty),
              std::tuple(30, 5, 12, int16_t(drill::Hard)))
        << "its lines top to bottom, as many as it fills";
    const drill::Problem four = drill::ProblemOf({'+', {1000, 30, 5, 12}});
    EXPECT_EQ(std::tuple(four.FourthOperand, four.FirstOperand, four.difficulty),
              std::tuple(1000, 12, int16_t(drill::Diabloish)))
        << "a Diabloish sum's fourth line kept";
    // As many as the length chosen, the first first, on Easy with no time limit, in box order.
    const auto begun = drill::Practise({{'/', {8, 2}}, {'+', {3, 4}}, {'x', {8, 7}}}, {}, 2, "Ada");
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
        std::vector<results::ProblemRow> problems;
        std::istringstream words(posed);
        for (std::string word; words >> word;) {
            results::ProblemRow& problem = problems.emplace_back();
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
