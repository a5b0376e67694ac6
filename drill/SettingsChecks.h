#pragma once

#include "ProblemDraw.h"

#include <optional>
#include <string>

// Whether the settings allow a test, and a problem: the "Settings Error" prompt that says why
// not, or nothing when they do.
namespace drill {

// Start's checks, in order: an operation, not Division with only 0, a number (at every
// level), a chosen length and difficulty, and a problem that can be drawn at all.
std::optional<std::string> WhyStartRefused(const DrillChoice& choice);

// Whether some draw can pass under these settings, asked before every problem: the settings
// stay within reach under the problem frame during a test.
std::optional<std::string> WhyNoProblem(const DrillChoice& choice);

} // namespace drill
