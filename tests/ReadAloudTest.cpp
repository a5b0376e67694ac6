// What reading the drill aloud says, in the program's own English (each language's words:
// InEveryLanguage.ReadsTheDrillAloudInItsWords; a test read as it runs: desktop_read_aloud).

#include "drill/SpokenDrill.h"

#include <gtest/gtest.h>

using namespace drill;
using results::EndReason;

static std::string English(const char*, const char* text, int count)
{
    std::string words = text;
    if (const size_t at = words.find("%n"); at != std::string::npos)
        words.replace(at, 2, std::to_string(count));
    return words;
}

// Each kind of problem read from its top line down, its verdict with its right answer, and the end
// of a test: the counts and the grade, the time run out said first.
TEST(ReadAloud, EachProblemVerdictAndEndIsASentence)
{
    // clang-format off
    const std::tuple<Problem, const char*, const char*> problems[] = {
        {{Multiplication, 8, 7}, "7 times 8", "You were right! 7 times 8 is 56."},
        {{Subtraction, 6, 13}, "13 minus 6", "Oops!!! 13 minus 6 is 7."},
        {{Division, 4, 17}, "17 divided by 4", "Oops!!! 17 divided by 4 is 4."},
        {{Addition, 0, 10}, "10 plus 0", "You were right! 10 plus 0 is 10."},
        {{Addition, 9, 12, 5, 0, Hard}, "5 plus 12 plus 9", "Oops!!! 5 plus 12 plus 9 is 26."},
        {{Addition, 1, 20, 300, 1771560, Diabloish}, "1771560 plus 300 plus 20 plus 1",
         "You were right! 1771560 plus 300 plus 20 plus 1 is 1771881."},
        {{Multiplication, 7, 8, 0, 0, Hard}, "8 times 7", "Oops!!! 8 times 7 is 56."}};
    const std::tuple<results::Score, EndReason, const char*> ends[] = {
        {{8, 2, 0, 80, "B-"}, EndReason::Finished, "8 right, 2 wrong: B-minus"},
        {{10, 0, 0, 100, "A+"}, EndReason::Finished, "10 right, 0 wrong: A-plus"},
        {{1, 0, 0, 100, "A"}, EndReason::Finished, "1 right, 0 wrong: A"},
        {{5, 2, 3, 50, "F"}, EndReason::Time, "The time is up. 5 right, 2 wrong, 3 not answered: F"},
        {{0, 0, 10, {}, ""}, EndReason::Time, "The time is up. 0 right, 0 wrong, 10 not answered."},
        {{8, 2, 0, 80, "B-"}, EndReason::Stopped, ""}};
    // clang-format on
    for (const auto& [problem, posed, verdict] : problems) {
        EXPECT_EQ(SpokenProblem(problem, English), posed);
        const Judgement judged = Judge(verdict[0] == 'Y' ? "1" : "", 1);
        EXPECT_EQ(SpokenVerdict(judged, problem, ComputeAnswer(problem), English), verdict);
    }
    for (const auto& [score, reason, spoken] : ends)
        EXPECT_EQ(SpokenEnd(score, reason, English), spoken);
}
