#pragma once

#include "toolkit/Translatable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What is kept of a test and of each of its problems, as the drill showed them.
namespace results {

// The operations as the drill writes them, in the order of its boxes.
inline constexpr char Operations[] = "+-x/";

// How a test ended; a test that is still running, or whose program was killed, has none.
enum class EndReason
{
    Finished, // its last problem answered
    Time,     // its time ran out
    Stopped   // the program ended during it
};

// Each way of ending with its word in the file and its words in the Tests table.
struct EndReasonWords
{
    EndReason reason;
    std::string_view stored;
    const char* shown;
};
inline constexpr EndReasonWords EndReasons[] = {
    {EndReason::Finished, "finished", TRANSLATABLE("TestsModel", "Finished")},
    {EndReason::Time, "time", TRANSLATABLE("TestsModel", "Time ran out")},
    {EndReason::Stopped, "stopped", TRANSLATABLE("TestsModel", "Stopped")},
};
inline constexpr char NotEnded[] = TRANSLATABLE("TestsModel", "Not ended");

constexpr const EndReasonWords& WordsFor(EndReason reason)
{
    for (const EndReasonWords& words : EndReasons)
        if (words.reason == reason)
            return words;
    return EndReasons[0];
}
// The way of ending a stored word names; none for any other word.
constexpr std::optional<EndReason> EndReasonOf(std::string_view stored)
{
    for (const EndReasonWords& words : EndReasons)
        if (words.stored == stored)
            return words.reason;
    return std::nullopt;
}

// The settings a test was started with.
struct TestSetup
{
    std::string title;      // the main window's title, as shown
    std::string operations; // the ticked signs in the order shown, of "+-x/"
    std::string numbers;    // the ticked numbers, comma-separated: "3,7"
    std::string difficulty; // "Easy", "Medium", "Hard" or "Diabloish"
    int64_t problems = 0;   // how many it has; a practice grows as missed problems come back
    int64_t timeLimit = 0;  // seconds; 0 for none
    int64_t practice = 0;   // 1 for a practice of what was missed, 0 for a test
};

// The status panel's counts, percentage and grade; a test with nothing answered has no
// percentage and no grade.
struct Score
{
    int64_t correct = 0;
    int64_t incorrect = 0;
    int64_t unanswered = 0;
    std::optional<int64_t> percentage;
    std::string grade;
};

// A test as it is kept: the columns of the tests table (TestColumns).
struct TestRow : TestSetup, Score
{
    int64_t id = 0;
    std::string started; // local time, ISO 8601 with its offset from UTC
    std::string ended;   // empty while it runs, or when its program was killed
    std::optional<EndReason> endReason;
};

// One answered problem: the columns of the problems table (ProblemColumns).
struct ProblemRow
{
    int64_t number = 0; // 1 for a test's first
    char operation = '+';
    std::vector<int64_t> operands; // top line to bottom line, as shown
    int64_t rightAnswer = 0;
    std::string given; // the text as typed
    bool correct = false;
    double seconds = 0; // from the problem shown to the answer taken
    int64_t test = 0;   // the id of the test it belongs to
};

// An answered problem as the learning rules read it, with the numbers ticked in its test where
// those chose the problem (an Easy test), so that a miss is held against a number only where it
// was ticked, and when its test began.
struct AnsweredProblem
{
    char operation = '+';
    std::vector<int64_t> operands;
    bool correct = false;
    double seconds = 0;
    std::vector<int> ticked; // empty where the numbers did not choose the problem
    std::string started;     // when its test began, as kept
};

} // namespace results
