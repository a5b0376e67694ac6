#include "Progress.h"

#include <algorithm>

namespace learning {

bool Charted(const TestRow& test)
{
    return (test.endReason == EndReason::Finished || test.endReason == EndReason::Time) &&
           test.percentage.has_value();
}

std::string KindOf(const TestRow& test)
{
    return test.practice ? PracticeKind : test.difficulty;
}

std::optional<ProgressSummary> Summarize(const std::vector<TestRow>& newestFirst)
{
    const auto newest = std::ranges::find_if(newestFirst, Charted);
    if (newest == newestFirst.end())
        return std::nullopt;
    ProgressSummary summary;
    summary.kind = KindOf(*newest);
    std::vector<const TestRow*> kind; // oldest first
    for (auto test = newestFirst.rbegin(); test != newestFirst.rend(); ++test)
        if (Charted(*test) && KindOf(*test) == summary.kind)
            kind.push_back(&*test);
    summary.tests = kind.size();
    summary.firstStarted = kind.front()->started;
    summary.lastFew = std::min<size_t>(kind.size(), 5);
    summary.from = *kind[kind.size() - summary.lastFew]->percentage;
    summary.to = *kind.back()->percentage;
    return summary;
}

} // namespace learning
