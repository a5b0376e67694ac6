#pragma once

#include "ProblemDraw.h"

#include <string>
#include <vector>

// The drill's settings and problems in the words the results keep, the same in every language.
namespace drill {

// The ticked operations' signs in the order of their boxes: "+x".
std::string TickedOperations(const DrillChoice& choice);
// The ticked numbers, comma-separated: "3,7".
std::string TickedNumbers(const DrillChoice& choice);
// "Easy", "Medium", "Hard" or "Diabloish"; empty for no difficulty chosen.
std::string DifficultyName(int16_t difficulty);
// The operands as the problem lines show them, top line to bottom line.
std::vector<int64_t> ShownOperands(const Problem& problem);

} // namespace drill
