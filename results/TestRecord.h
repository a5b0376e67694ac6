#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What is kept of a test and of each of its problems, as the drill showed them.
namespace results {

// How a test ended, stored as "finished", "time" or "stopped"; a test that is still running,
// or whose program was killed, has none.
enum class EndReason
{
    Finished, // its last problem answered
    Time,     // its time ran out
    Stopped   // the program ended during it
};
const char* EndReasonText(EndReason reason);

// The settings a test was started with.
struct TestSetup
{
    std::string title;      // the main window's title, as shown
    std::string operations; // the ticked signs in the order shown, of "+-x/"
    std::string numbers;    // the ticked numbers, comma-separated: "3,7"
    std::string difficulty; // "Easy", "Medium", "Hard" or "Diabloish"
    int64_t problems = 0;
    int64_t timeLimit = 0; // seconds; 0 for none
};

// The status panel's counts, percentage and grade.
struct Score
{
    int64_t correct = 0;
    int64_t incorrect = 0;
    int64_t unanswered = 0;
    int64_t percentage = 0;
    std::string grade;
};

struct TestRow
{
    int64_t id = 0;
    std::string started; // local time, ISO 8601 with its offset from UTC
    std::string ended;   // empty while it runs, or when its program was killed
    TestSetup setup;
    Score score;
    std::string endReason; // "finished", "time", "stopped", or empty
};

// One answered problem.
struct ProblemRow
{
    int64_t number = 0; // 1 for a test's first
    char operation = '+';
    std::vector<int64_t> operands; // top line to bottom line, as shown
    int64_t rightAnswer = 0;
    std::string given; // the text as typed
    bool correct = false;
    double seconds = 0; // from the problem shown to the answer taken
};

} // namespace results
