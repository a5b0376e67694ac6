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
// one each time.
class PracticeSource : public ProblemSource
{
  public:
    // Problems later that a wrong one comes back, and how often at most.
    static constexpr size_t ComesBackAfter = 2;
    static constexpr int ReturnsEach = 3;

    explicit PracticeSource(const std::vector<learning::Asked>& asked);

    std::optional<std::string> WhyNone() const override { return std::nullopt; }
    Problem Next() override;
    int16_t Length() const override { return m_length; }
    void Judged(bool right) override;

  private:
    struct Waiting
    {
        Problem problem;
        int returns = 0;
    };
    std::deque<Waiting> m_waiting;
    Waiting m_posed;
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
PracticeStart Practise(const std::vector<learning::Asked>& asked, int16_t length,
                       const std::string& title);

} // namespace drill
