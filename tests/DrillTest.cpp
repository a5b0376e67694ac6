// The drill's rules: drawing problems, Start's checks, judging, the status, the test and its clock.

#include "drill/ProblemDraw.h"
#include "drill/Scoring.h"
#include "drill/SettingsChecks.h"
#include "drill/TestRun.h"
#include "support/FakeClock.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <chrono>
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

// Sums 7 + 1, 7 + 2, ... for a test of the length given; refuses once told to.
struct Sums : ProblemSource
{
    explicit Sums(int16_t length) : length(length) {}
    std::optional<std::string> WhyNone() const override { return why; }
    Problem Next() override { return {Addition, ++drawn, 7}; }
    int16_t Length() const override { return length; }
    void Judged(bool right) override { verdicts += right ? 'r' : 'w'; }

    int16_t length;
    int32_t drawn = 0;
    std::optional<std::string> why;
    std::string verdicts;
};

// A test of ten sums under the time limit given, its first sum posed and answered right.
struct Begun : TestRun
{
    explicit Begun(int limit = 0, std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>())
        : TestRun(clock), clock(clock)
    {
        Start(std::unique_ptr<Sums>(sums), {"Carrowby", "+", "7", "Easy", 10, limit});
        PoseNext(), Answer("8");
    }
    std::shared_ptr<FakeClock> clock;
    Sums* sums = new Sums(10); // the test's from the start
};

// What a listener hears of a test, in order: "begun Ada +", "posed 1: 8 = 7 + 1", ...
struct Heard : TestListener
{
    void Begun(const results::TestSetup& setup, const results::Score& shown) override
    {
        said += "begun " + setup.title + " " + setup.operations + Of(shown);
    }
    void Posed(int16_t number, const Problem& problem, int32_t right) override
    {
        said += "posed " + std::to_string(number) + ": " + std::to_string(right) + " = " +
                std::to_string(problem.SecondOperand) + OperationSign(problem.operation) +
                std::to_string(problem.FirstOperand) + "|";
    }
    void Judged(const std::string& typed, const Judgement& judgement,
                const results::Score& shown) override
    {
        said += "judged " + typed + (judgement.right ? " right" : " wrong") + Of(shown);
    }
    void Ended(const results::Score& shown, results::EndReason reason) override
    {
        said += "ended " + std::string(results::WordsFor(reason).stored) + Of(shown);
    }
    static std::string Of(const results::Score& shown)
    {
        return ", " + std::to_string(shown.correct) + "/" + std::to_string(shown.incorrect) + "/" +
               std::to_string(shown.unanswered) + " " + shown.grade + "|";
    }
    std::string said;
};

} // namespace

// Columns drawn left to right, a power before each Hard operand, a bad draw starting over.
TEST(Drill, DrawsWritesAndSolvesProblems)
{
    const auto E = [](int n) { return Operand(n, 1); }; // an Easy operand's draw
    const auto M = [](int n) { return Operand(n, 2); }; // a Medium one's
    // clang-format off
    const std::tuple<const char*, DrillChoice, std::vector<double>, const char*, int32_t> rows[] = {
        {"Easy difference wrong", Choice({Subtraction}, {9}), {Op(2), E(9), E(4)}, "-|| 9| 4", 5},
        {"Medium product wrong", Choice({Multiplication}, {}, Medium), {Op(3), M(104), M(37)},
         "x|| 104| 37", 3848},
        {"a 0 operand refused", Choice({Addition}, {}, Medium), {Op(1), M(0), M(7)}, "+|| 0| 7", 7},
        {"Hard's power not drawn per operand", Choice({Addition}, {}, Hard), {Op(1), Power(6, 6),
         Operand(100, 6), Power(5, 5), Operand(5, 5), Power(1, 5), E(6)}, "+| 100| 5| 6", 111},
        {"Hard quotient wrong", Choice({Division}, {}, Hard), {Op(4), Power(2, 6), M(100),
         Power(2, 5), M(17), Power(1, 5), E(5)}, "/|| 17| 5", 3},
        {"Diabloish's four operands", Choice({Addition}, {}, Diabloish), {Op(1), Power(6, 6),
         Operand(1234567, 6), Power(5, 5), Operand(805, 5), Power(4, 4), Operand(42, 4),
         Power(3, 3), Operand(9, 3)}, "+ 1234567| 805| 42| 9", 1235423},
        {"an unticked operation kept", Choice({Subtraction}, {}, Medium), {Op(1), Op(2), M(7),
         M(7)}, "-|| 7| 7", 0},
        {"a difference below 0 kept", Choice({Subtraction}, {}, Medium), {Op(2), M(3), M(4),
         Op(2), M(7), M(7)}, "-|| 7| 7", 0},
        {"a quotient by 1 wrong", Choice({Division}, {1}), {Op(4), E(8), E(1)}, "/|| 8| 1", 8},
        {"a quotient below 1 kept", Choice({Division}, {}, Medium), {Op(4), M(3), M(4), Op(4),
         M(9), M(3)}, "/|| 9| 3", 3},
        {"a 0 divisor kept", Choice({Division}, {}, Medium), {Op(4), M(7), M(0), Op(4), M(7),
         M(7)}, "/|| 7| 7", 1},
        {"Easy with no ticked number kept", Choice({Addition}, {7}), {Op(1), E(5), E(2), Op(1),
         E(5), E(7)}, "+|| 5| 7", 12},
        {"a 0 beside Division kept", Choice({Addition, Division}, {0, 7}), {Op(1), E(7), E(0),
         Op(1), E(7), E(7)}, "+|| 7| 7", 14},
        {"a product beyond 32 bits kept", Choice({Multiplication}, {}, Hard), {Op(3), Power(1, 6),
         E(0), Power(5, 5), Operand(161050, 5), Power(5, 5), Operand(13335, 5), Op(3), Power(1, 6),
         E(0), Power(5, 5), Operand(161050, 5), Power(5, 5), Operand(13334, 5)},
         "x|| 161050| 13334", 2147440700}};
    // clang-format on
    for (const auto& [fault, choice, draws, lines, answer] : rows) {
        ScriptedRandom random;
        random.draws.assign(draws.begin(), draws.end());
        const Problem problem = DrawProblem(choice, random);
        const auto w = ProblemLines(problem); // and every draw used
        EXPECT_EQ(std::tuple(OperationSign(problem.operation) + w[3] + "|" + w[2] + "|" + w[1] +
                                 "|" + w[0],
                             ComputeAnswer(problem), random.draws.size()),
                  std::tuple(lines, answer, 0u))
            << fault;
    }
}

TEST(Drill, AnEasyProblemUsesATickedNumber)
{
    const DrillChoice seven = Choice({Addition}, {7}), zero = Choice({Addition}, {0}),
                      div0 = Choice({Addition, Division}, {0, 4});
    // clang-format off
    const std::tuple<const char*, DrillChoice, int, int, bool> rows[] = {
        {"1st unread", seven, 7, 3, true}, {"2nd unread", seven, 3, 7, true},
        {"any number", seven, 3, 4, false}, {"0 1st unread", zero, 0, 9, true},
        {"0 2nd unread", zero, 9, 0, true}, {"0 unticked", seven, 0, 3, false},
        {"unticked", Choice({Addition}, {1, 2, 3}), 5, 6, false}, {"4 not then", div0, 4, 4, true},
        {"0 beside Division", div0, 0, 4, false}, {"0 2nd beside Division", div0, 4, 0, false},
        {"0 no divisor refused", Choice({Division}, {4}), 0, 4, true},
        {"10 out", Choice({Addition}, {10}), 10, 10, true},
        {"1 out", Choice({Addition}, {1}), 9, 1, true}};
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
    double highest = 0; // and reach the whole of [0, 1): every operation and number
    for (int draw = 0; draw < 200; ++draw)
        highest = std::max(highest, first.Draw());
    EXPECT_TRUE(highest > 0.9 && highest < 1) << highest;
}

TEST(Drill, SettingsThatAllowNoTestOrNoProblemAreNamed)
{
    const std::string NoType = "No test type selected!", Zero = "Can not test 0 with Division!",
                      NoNumbers = "No numbers selected for testing!", Starts = "", Draws = "";
    const std::tuple<const char*, DrillChoice, std::string, std::string> rows[] = {
        {"no operation", Choice({}, {3, 0}, Hard), NoType, NoType},
        {"0 with Division", Choice({Division}, {0}, Hard), Zero, Draws},
        {"0 beside 1 refused", Choice({Division}, {0, 1}), Starts, Draws},
        {"0 with Division drawn", Choice({Addition, Division}, {0}), Zero, Zero},
        {"numbers off Easy", Choice({Addition, Division}, {0}, Medium), Starts, Draws},
        {"0 alone refused", Choice({Addition}, {0}), Starts, Draws},
        {"no number", Choice({Multiplication, Division}, {}, Hard), NoNumbers, Draws},
        {"no number on Easy drawn", Choice({Addition}, {}), NoNumbers, NoNumbers},
        {"no length", Choice({Addition}, {10}, Easy, -1), "No number of problems selected!", Draws},
        {"no difficulty", Choice({Addition}, {10}, -1), "No difficulty selected!", Draws}};
    for (const auto& [fault, choice, atStart, atProblem] : rows)
        EXPECT_EQ(WhyStartRefused(choice).value_or("") + "|" + WhyNoProblem(choice).value_or(""),
                  atStart + "|" + atProblem)
            << fault;
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
        {"the largest answer lost", "2147483647", 2147483647, true}};
    // clang-format on
    for (const auto& [fault, typed, answer, right] : rows) {
        const Judgement judged = Judge(typed, answer);
        EXPECT_EQ(judged.right, right) << fault;
        EXPECT_EQ(judged.message, right ? "You were right!" : "Oops!!!") << fault;
    }
}

TEST(Drill, StatusAndGrade)
{
    const std::tuple<const char*, int16_t, int16_t, const char*> rows[] = {
        // right of posed; the right, the wrong, the percentage shown
        {"none posed divides by 0", 0, 0, " 0 0| 0"},  {"none right not 0", 0, 10, " 0 10| 0"},
        {"87.5 not to even", 7, 8, " 7 1| 88"},        {"62.5 not to even", 5, 8, " 5 3| 62"},
        {"33.3 not down", 1, 3, " 1 2| 33"},           {"66.7 not up", 2, 3, " 2 1| 67"},
        {"all right not 100", 100, 100, " 100 0| 100"}};
    for (const auto& [fault, correct, posed, shown] : rows) {
        const StatusCaptions status = Status(correct, int16_t(posed - correct), posed);
        EXPECT_EQ(status.correct + status.incorrect + "|" + status.percentage, shown) << fault;
    }
    // Each grade from its lowest percentage; one below it, the next grade. None above 100.
    const char* const grades[] = {"A+", "A",  "A-", "B+", "B",  "B-", "C+",
                                  "C",  "C-", "D+", "D",  "D-", "F",  "F"};
    const int lowest[] = {100, 93, 90, 87, 83, 80, 77, 73, 70, 67, 63, 60, 0};
    for (size_t row = 0; row < std::size(lowest); ++row)
        EXPECT_EQ(LetterGrade(lowest[row]) + "|" + LetterGrade(lowest[row] - 1),
                  grades[row] + std::string("|") + grades[row + 1])
            << lowest[row];
    EXPECT_EQ(LetterGrade(-1) + "|" + LetterGrade(100.5) + "|" + Status(7, 1, 8).grade, "F||B+");
}

TEST(TestRun, CountsEachAnswerAndEndsAfterTheLast)
{
    TestRun run(std::make_shared<FakeClock>());
    Heard heard;
    run.Listen(heard);
    Sums* sums = new Sums(3); // the test's from the start
    run.Start(std::unique_ptr<Sums>(sums), {"Ada", "+", "7", "Easy", 3, 0});
    const unsigned started = run.Generation();
    EXPECT_FALSE(run.Score().percentage) << "no percentage kept before an answer";
    std::string seen;
    for (const char* typed : {"8", "x", " 10"}) {
        ASSERT_FALSE(run.PoseNext().has_value());
        const Judgement verdict = run.Answer(typed);
        const StatusCaptions status = run.Status();
        seen += std::to_string(run.ProblemNumber()) + ":" + std::to_string(run.RightAnswer()) +
                (verdict.right ? "r" : "w") + status.correct + status.incorrect +
                status.percentage + status.grade + (run.ProblemsRemain() ? "|" : "");
    }
    EXPECT_EQ(seen, "1:8r 1 0 100A+|2:9w 1 1 50F|3:10r 2 1 67D+");
    EXPECT_EQ(sums->verdicts, "rwr") << "the source is told each verdict";
    EXPECT_TRUE(run.Running() && run.Generation() == started);
    run.End(results::EndReason::Finished); // an answer of the ended test knows it has ended
    const results::Score score = run.Score();
    EXPECT_EQ(std::tuple(run.Running(), run.Generation() == started, score.correct, score.incorrect,
                         score.unanswered, *score.percentage, score.grade),
              std::tuple(false, false, 2, 1, 0, 67, "D+"));
    run.End(results::EndReason::Stopped); // once ended, ended
    EXPECT_EQ(heard.said, "begun Ada +, 0/0/3 |posed 1: 8 = 7+1|judged 8 right, 1/0/2 A+|"
                          "posed 2: 9 = 7+2|judged x wrong, 1/1/1 F|posed 3: 10 = 7+3|"
                          "judged  10 right, 2/1/0 D+|ended finished, 2/1/0 D+|")
        << "each listener told what happens, as it happens";
    // A test begun while one runs (two presses of Start at once) ends that one first.
    heard.said.clear();
    run.Start(std::make_unique<Sums>(3), {"Bo", "x", "7", "Easy", 3, 0});
    run.PoseNext(), run.Answer("7");
    run.Start(std::make_unique<Sums>(3), {"Bo", "x", "7", "Easy", 3, 0});
    EXPECT_EQ(heard.said, "begun Bo x, 0/0/3 |posed 1: 8 = 7+1|judged 7 wrong, 0/1/2 F|"
                          "ended stopped, 0/1/2 F|begun Bo x, 0/0/3 |")
        << "no test is left without its end";
}

TEST(TestRun, ATestEndsWhenItsTimeIsUpOrItsSourceRunsDry)
{
    // fault, limit, seconds passed before each tick, seconds left after each ("up" once ended)
    const std::tuple<const char*, int, std::vector<double>, const char*> rows[] = {
        {"a tick early by a little counts no second", 10, {0.95, 0.95, 0.95}, "9 8 7"},
        {"each tick taken for a second, whatever the clock says", 10, {0.3, 0.3}, "10 9"},
        {"a late tick counts too few", 10, {2.6}, "7"},
        {"up a second early", 2, {1, 1, 1}, "1 up"},
        {"not up at 0", 1, {1}, "up"},
        {"no limit counted down", 0, {5, 500}, "- -"}};
    for (const auto& [fault, limit, ticks, expected] : rows) {
        Begun run(limit);
        std::string shown;
        for (size_t tick = 0; tick < ticks.size() && run.Running(); ++tick) {
            run.clock->Pass(ticks[tick]);
            const bool up = run.Tick();
            const auto left = run.SecondsLeft();
            shown += (shown.empty() ? "" : " ") + (up ? "up" : left ? std::to_string(*left) : "-");
        }
        EXPECT_EQ(shown, expected) << fault;
    }
    Begun run(10);
    run.clock->Pass(6), run.SetTimeLimit(30); // a new limit chosen mid-test: counted from then
    run.clock->Pass(1), run.Tick();
    EXPECT_EQ(run.SecondsLeft(), 29);
    run.clock->Pass(29);
    // Ended by time with 1 right of 10 posed; an ended test counts no more.
    EXPECT_EQ((std::tuple{run.Tick(), run.Ended(), run.Status().percentage + run.Status().grade,
                          run.Score().unanswered, run.Tick()}),
              std::tuple(true, results::EndReason::Time, " 10F", 9, false));
    EXPECT_EQ(SecondsCaption(std::nullopt) + SecondsCaption(240), "Unlimited240");
    // An empty answer within half a second of its problem is the echo of the Enter before;
    // a practice tells a right answer slower than the fluency time that it comes back.
    Begun quick;
    quick.PoseNext(), quick.clock->Pass(0.4);
    std::string heard = quick.IsEcho("") ? "echo" : "answer";
    quick.clock->Pass(0.1);
    heard += quick.IsEcho("") || quick.IsEcho("3") ? " echo" : " answer";
    for (const auto& [practice, seconds] :
         {std::pair(0, 4.0), std::pair(1, 3.0), std::pair(1, 3.1)}) {
        quick.Start(std::make_unique<Sums>(10), {"Ada", "+", "", "Easy", 10, 0, practice});
        quick.PoseNext(), quick.clock->Pass(seconds);
        heard += " " + std::to_string(seconds).substr(0, 3) + ":" + quick.Answer("8").note;
    }
    EXPECT_EQ(heard, "echo answer 4.0: 3.0: 3.1:It will come back, to be quicker.");
    Begun dry;
    dry.sums->why = "No test type selected!";
    EXPECT_EQ((std::tuple{dry.PoseNext().value_or(""), dry.Ended(), dry.ProblemNumber()}),
              std::tuple("No test type selected!", results::EndReason::Stopped, 1));
}
