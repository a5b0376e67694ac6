#pragma once

#include "TestRecord.h"

#include <array>
#include <string>
#include <vector>

// Which numbers a child still misses: for each operation and each number 0 to 10, the share of
// right answers among the problems that used the number as an operand.
namespace results {

// The operations as the drill writes them, in the order of its boxes.
inline constexpr char Operations[] = "+-x/";

struct Share
{
    int64_t right = 0;
    int64_t answers = 0;
    // A whole percentage, halves up; 0 without answers.
    int64_t Percent() const;
    // Whether it has answers enough to count (EnoughAnswers, below).
    bool Counts() const;
};
// [operation, in the order of Operations][number 0 to 10].
using PracticeGrid = std::array<std::array<Share, 11>, 4>;

// How many answers a number needs in an operation before its share counts, and the share below
// which it is still to be practised.
inline constexpr int64_t EnoughAnswers = 5;
inline constexpr int64_t PractisedPercent = 80;

PracticeGrid GridOf(const std::vector<ProblemRow>& answers);

// What to tick for practice: operations of Operations and numbers 0 to 10, each in order.
struct Practice
{
    std::string operations;
    std::vector<int> numbers;
    bool Empty() const { return numbers.empty(); }
};

// The weakest numbers, those whose share stays below PractisedPercent with enough answers, at
// most four, the lowest share first, with the operations they were missed in. A 0 in a division
// is left out: the drill never poses it once Division and 0 are both ticked.
struct Weakest
{
    struct Cell
    {
        char operation;
        int number;
        Share share;
    };
    Practice practice;
    std::vector<Cell> cells; // each operation and number taken, weakest first
    bool counted = false;    // whether any number has answers enough to count
};
Weakest WeakestOf(const PracticeGrid& grid);

// The numbers 0 to 10 of the problems answered wrong, and their operations.
Practice MissedIn(const std::vector<ProblemRow>& problems);

} // namespace results
