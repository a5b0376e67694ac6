#pragma once

#include "results/TestRecord.h"

#include <optional>
#include <string>
#include <vector>

// What the progress chart draws and says: like with like, each kind of test apart.
namespace learning {

using results::EndReason;
using results::TestRow;

// Whether a test has a percentage to draw: it ran to its end or to its time limit, with
// something answered.
bool Charted(const TestRow& test);

// The kind of test, drawn as a line of its own: its difficulty, or for a practice PracticeKind.
std::string KindOf(const TestRow& test);
inline constexpr char PracticeKind[] = TRANSLATABLE("TestsModel", "Practice");

// The tests of the newest charted test's kind, in words: how many since the first's start, and
// the percentages of the first and the last of the last five.
struct ProgressSummary
{
    std::string kind;
    size_t tests = 0;
    std::string firstStarted;
    size_t lastFew = 0;
    int64_t from = 0, to = 0;
};
// Of tests newest first; nothing where none is charted.
std::optional<ProgressSummary> Summarize(const std::vector<TestRow>& newestFirst);

} // namespace learning
