#pragma once

#include "Practice.h"
#include "results/TestRecord.h"

#include <vector>

// What going over a test finds to ask again.
namespace learning {

// Each problem answered wrong, once, as it was first posed and in the order it first came: a
// fact once whichever way round it was posed (8 x 7 and 7 x 8 are one), any other problem once
// as posed.
std::vector<Asked> MissedOnce(const std::vector<results::ProblemRow>& problems);

} // namespace learning
