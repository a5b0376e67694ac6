#pragma once

#include "toolkit/RandomSource.h"
#include "toolkit/Translatable.h"

#include <array>
#include <cstdint>
#include <string>

// The arithmetic of a problem, free of widgets: the window reads its boxes into a DrillChoice,
// and writes the drawn Problem into its captions.
namespace drill {

enum Operation : int16_t
{
    Addition = 1,
    Subtraction = 2,
    Multiplication = 3,
    Division = 4
};

enum Difficulty : int16_t
{
    Easy = 0,
    Medium = 1,
    Hard = 2,
    Diabloish = 3
};

// The settings controls as they stand: check box values (0 or 1) and the chosen list items
// (-1 for none).
struct DrillChoice
{
    // Addition, Subtraction, Multiplication, Division.
    std::array<int16_t, 4> operations{};
    // The numbers 0 to 10.
    std::array<int16_t, 11> numbers{};
    int16_t difficulty = Easy;
    int16_t length = 0; // the item of the number of problems
};

// A box counts as ticked when its value is 1.
constexpr bool Ticked(int16_t value)
{
    return value == 1;
}

struct Problem
{
    Operation operation = Addition;
    int32_t FirstOperand = 0;  // bottom line, beside the sign
    int32_t SecondOperand = 0; // above it
    int32_t ThirdOperand = 0;
    int32_t FourthOperand = 0; // top line
    int16_t difficulty = Easy; // the level it was drawn at, which decides the lines it shows
    bool operator==(const Problem&) const = default;
};

// "+", "-", "x" or "/".
std::string OperationSign(Operation operation);

// A whole number uniform in 0 .. 11^Power - 1.
int32_t RandomOperand(int16_t Power, toolkit::RandomSource& random);

// Whether an Easy problem with these operands uses a ticked number (0 never counts, and
// rules the problem out, while Division and 0 are both ticked).
bool UsesTickedNumber(int32_t FirstOperand, int32_t SecondOperand, const DrillChoice& choice);

// Draws operations and operands until a draw suits the settings. The settings must admit a
// problem (WhyNoProblem gives nothing).
Problem DrawProblem(const DrillChoice& choice, toolkit::RandomSource& random);

// The right answer; a division drops the remainder.
int32_t ComputeAnswer(const Problem& problem);

// How many lines the problem fills: its two operands, with a third and a fourth for an addition
// on Hard and Diabloish.
size_t LineCount(const Problem& problem);

// The texts of the problem lines, bottom (beside the sign) to top: the operands in the
// signed-blank format, the third and fourth only for an addition on Hard and Diabloish.
std::array<std::string, 4> ProblemLines(const Problem& problem);

// "Problem 3 of 10": the pattern's %1 and %2 replaced by the numbers in the signed-blank format.
inline constexpr char ProblemCaptionPattern[] = TRANSLATABLE("drill", "Problem%1 of%2");
std::string ProblemCaption(int16_t ProblemNumber, int16_t NumberOfProblems,
                           std::string pattern = ProblemCaptionPattern);

} // namespace drill
