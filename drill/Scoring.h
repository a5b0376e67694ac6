#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace drill {

// Right answers as a whole percentage of the problems posed, halves to the even neighbour.
// No right answers give 0 without a division.
int16_t Percentage(int16_t NumberCorrect, int16_t ProblemNumber);

// The letter grade, "A+" to "F", for a percentage as read back from its caption.
std::string LetterGrade(double percentage);

// The seconds-remaining caption for a time-limit item: "Unlimited" or a number of seconds.
std::string TimeLimitCaption(std::string_view item);

} // namespace drill
