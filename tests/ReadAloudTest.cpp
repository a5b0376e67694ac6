// What reading the drill aloud says, in English, the program's own words: the translations give
// each language's (tests/windows/ReadAloudWindowTest.cpp).

#include "drill/SpokenDrill.h"
#include "drill/TestRun.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

using namespace drill;

namespace {

std::string English(const char*, const char* text, int count)
{
    std::string words = text;
    if (const size_t at = words.find("%n"); at != std::string::npos)
        words.replace(at, 2, std::to_string(count));
    return words;
}

struct Heard : Voice
{
    void Say(const std::string& sentence) override { said.push_back(sentence); }
    std::vector<std::string> said;
};

// The problems of a table, one after the other.
struct Problems : ProblemSource
{
    std::optional<std::string> WhyNone() const override { return {}; }
    Problem Next() override { return table.at(next++); }
    int16_t Length() const override { return static_cast<int16_t>(table.size()); }
    void Judged(bool) override {}
    std::vector<Problem> table;
    size_t next = 0;
};

} // namespace

// Each kind of problem read from its top line down, and its verdict with its right answer.
TEST(ReadAloud, EachProblemAndVerdictIsASentence)
{
    // clang-format off
    const std::tuple<Problem, const char*, const char*> rows[] = {
        {{Multiplication, 8, 7}, "7 times 8", "You were right! 7 times 8 is 56."},
        {{Subtraction, 6, 13}, "13 minus 6", "Oops!!! 13 minus 6 is 7."},
        {{Division, 4, 17}, "17 divided by 4", "Oops!!! 17 divided by 4 is 4."},
        {{Addition, 0, 10}, "10 plus 0", "You were right! 10 plus 0 is 10."},
        {{Addition, 9, 12, 5, 0, Hard}, "5 plus 12 plus 9", "Oops!!! 5 plus 12 plus 9 is 26."},
        {{Addition, 1, 20, 300, 1771560, Diabloish}, "1771560 plus 300 plus 20 plus 1",
         "You were right! 1771560 plus 300 plus 20 plus 1 is 1771881."},
        {{Multiplication, 7, 8, 0, 0, Hard}, "8 times 7", "Oops!!! 8 times 7 is 56."},
    };
    // clang-format on
    for (const auto& [problem, posed, verdict] : rows) {
        EXPECT_EQ(SpokenProblem(problem, English), posed);
        const bool right = std::string(verdict).starts_with("You");
        const Judgement judgement = Judge(right ? "56" : "", right ? 56 : 57);
        EXPECT_EQ(SpokenVerdict(judgement, problem, ComputeAnswer(problem), English), verdict);
    }
}

// The counts and the grade; the time run out says so, and counts what was left.
TEST(ReadAloud, TheEndSaysTheCountsAndTheGrade)
{
    using results::EndReason;
    const std::tuple<results::Score, EndReason, const char*> rows[] = {
        {{8, 2, 0, 80, "B-"}, EndReason::Finished, "8 right, 2 wrong: B-minus"},
        {{10, 0, 0, 100, "A+"}, EndReason::Finished, "10 right, 0 wrong: A-plus"},
        {{1, 0, 0, 100, "A"}, EndReason::Finished, "1 right, 0 wrong: A"},
        {{5, 2, 3, 50, "F"},
         EndReason::Time,
         "The time is up. 5 right, 2 wrong, 3 not answered: F"},
        {{0, 0, 10, {}, ""}, EndReason::Time, "The time is up. 0 right, 0 wrong, 10 not answered."},
        {{8, 2, 0, 80, "B-"}, EndReason::Stopped, ""},
    };
    for (const auto& [score, reason, spoken] : rows)
        EXPECT_EQ(SpokenEnd(score, reason, English), spoken);
}

// A test read as it runs: each problem as it is posed, the verdict of the problem answered, the
// end; a test stopped says nothing more.
TEST(ReadAloud, FollowsTheTestAsItRuns)
{
    Heard voice;
    ReadingAloud reading(voice, English);
    TestRun run(std::make_shared<FakeClock>());
    run.Listen(reading);
    for (const bool stop : {false, true}) {
        auto problems = std::make_unique<Problems>();
        problems->table = {{Multiplication, 8, 7}, {Subtraction, 6, 13}};
        run.Start(std::move(problems), {"Carrowby", "x-", "", "Easy", 2, 0});
        run.PoseNext(), run.Answer("56"), run.PoseNext();
        if (stop) {
            run.End(results::EndReason::Stopped);
            continue;
        }
        run.Answer("8"), run.End(results::EndReason::Finished);
    }
    EXPECT_EQ(voice.said, std::vector<std::string>(
                              {"7 times 8", "You were right! 7 times 8 is 56.", "13 minus 6",
                               "Oops!!! 13 minus 6 is 7.", "1 right, 1 wrong: F", "7 times 8",
                               "You were right! 7 times 8 is 56.", "13 minus 6"}));
}
