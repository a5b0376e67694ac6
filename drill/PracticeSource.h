#pragma once

#include "ProblemSource.h"
#include "learning/Practice.h"
#include "results/TestRecord.h"

#include <deque>
#include <memory>
#include <vector>

namespace drill {

// A practice of problems that were missed, asked in turn. One answered wrong comes back a few
// problems later, until it is answered right, at most ReturnsEach times: the practice grows by
// one each time. It never comes straight back: where fewer problems are left to put before it,
// problems the child knows are asked between, each one more.
class PracticeSource : public ProblemSource
{
  public:
    // Problems later that a wrong one comes back, and how often at most.
    static constexpr size_t ComesBackAfter = 2;
    static constexpr int ReturnsEach = 3;

    // The problems to practise, and those to ask between where nothing else is left.
    explicit PracticeSource(const std::vector<learning::Asked>& asked,
                            const std::vector<learning::Asked>& between = {});

    std::optional<std::string> WhyNone() const override { return std::nullopt; }
    Problem Next() override;
    int16_t Length() const override { return m_length; }
    void Judged(bool right) override;
    std::optional<std::pair<int, int>> RightNow() const override;

  private:
    struct Waiting
    {
        Problem problem;
        int returns = 0;
    };
    std::deque<Waiting> m_waiting;
    std::vector<Problem> m_between;
    size_t m_nextBetween = 0;
    Waiting m_posed;
    std::vector<std::pair<Problem, bool>> m_lastVerdicts; // each problem asked, in order
    int16_t m_length;
};

// The problem the drill poses for one asked again: its sign, and its operands top to bottom,
// with as many lines as they fill.
Problem ProblemOf(const learning::Asked& asked);

// A practice of these, as many of them as a test of the length chosen has, the first first: its
// problems, and its settings as the record keeps them (the title's, on Easy, with the operations
// it asks and no time limit: a practice takes its time).
struct PracticeStart
{
    std::unique_ptr<PracticeSource> source;
    results::TestSetup setup;
};
PracticeStart Practise(const std::vector<learning::Asked>& asked,
                       const std::vector<learning::Asked>& between, int16_t length,
                       const std::string& title);

} // namespace drill
