#include "Missed.h"

#include "Facts.h"

#include <algorithm>

namespace learning {

std::vector<Asked> MissedOnce(const std::vector<results::ProblemRow>& problems)
{
    std::vector<Asked> missed;
    std::vector<Fact> facts; // those among the missed
    for (const results::ProblemRow& problem : problems) {
        if (problem.correct)
            continue;
        const Asked asked{problem.operation, problem.operands};
        const auto fact = FactOf(problem.operation, problem.operands);
        const bool again = fact ? std::ranges::find(facts, *fact) != facts.end()
                                : std::ranges::find(missed, asked) != missed.end();
        if (again)
            continue;
        if (fact)
            facts.push_back(*fact);
        missed.push_back(asked);
    }
    return missed;
}

} // namespace learning
