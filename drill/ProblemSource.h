#pragma once

#include "ProblemDraw.h"

#include <optional>
#include <string>
#include <utility>

namespace drill {

// Where a test's problems come from: a kind of test is a kind of source. Before each problem
// the test asks whether one can be posed, then for the problem, and tells the source its verdict.
class ProblemSource
{
  public:
    virtual ~ProblemSource() = default;

    // Why the test cannot start, in the words of the "Settings Error" message; nothing when it can.
    virtual std::optional<std::string> WhyNotStart() const { return WhyNone(); }
    // Why no problem can be posed now, in the same words; nothing when one can.
    virtual std::optional<std::string> WhyNone() const = 0;
    // The next problem; asked only once WhyNone gives nothing.
    virtual Problem Next() = 0;
    // How many problems the test has, as "Problem 3 of 10" says it.
    virtual int16_t Length() const = 0;
    // The verdict on the problem last posed.
    virtual void Judged(bool /*right*/) {}
    // For a practice: how many of the problems asked were right when last asked, and of how many.
    virtual std::optional<std::pair<int, int>> RightNow() const { return std::nullopt; }
};

} // namespace drill
