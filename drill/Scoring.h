#pragma once

#include "toolkit/Translatable.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Judging an answer, the score on the status panel and the time limit, free of widgets.
namespace drill {

struct Judgement
{
    bool right = false;
    std::string message;   // "You were right!" or "Oops!!!"
    std::string note = {}; // in a practice, what a right but slow answer is told
};
// What a right answer slower than the fluency time is told in a practice.
inline constexpr char SlowNote[] = TRANSLATABLE("drill", "It will come back, to be quicker.");

// The typed text read leniently against the right answer; a number beyond the range of a
// double is never right.
Judgement Judge(std::string_view typed, int32_t RightAnswer);

// Right answers as a whole percentage of the problems posed, halves to the even neighbour.
// No right answers give 0 without a division.
int16_t Percentage(int16_t NumberCorrect, int16_t ProblemNumber);

// The status panel's counts and percentage, in the signed-blank format, and the grade.
struct StatusCaptions
{
    std::string correct, incorrect, percentage, grade;
    bool operator==(const StatusCaptions&) const = default;
};
StatusCaptions Status(int16_t NumberCorrect, int16_t NumberIncorrect, int16_t ProblemNumber);
// What the status panel shows as a test starts, before any answer.
inline const StatusCaptions StartingStatus = {"0", "0", "100", "A+"};

// A row of the grade table: a grade and the lowest percentage that earns it.
struct GradeRow
{
    const char* grade;
    double lowest;
};
// The grades from "A+" to "F", highest first.
std::span<const GradeRow> GradeTable();

// The letter grade for a percentage: the first grade of the table whose lowest percentage it
// reaches; none above 100.
std::string LetterGrade(double percentage);

// Each letter's band, highest first: the letter ("A" for A+, A and A-) and the lowest whole
// percentage that gets one of its grades.
std::vector<std::pair<std::string, int>> LetterBands();

// The seconds-remaining caption: "Unlimited" where there is no limit, else the seconds.
std::string SecondsCaption(std::optional<int> secondsLeft);

} // namespace drill
