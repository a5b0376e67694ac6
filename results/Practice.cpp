#include "Practice.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace results {

namespace {

size_t OperationIndex(char operation)
{
    return static_cast<size_t>(std::strchr(Operations, operation) - Operations);
}

bool Known(char operation)
{
    return operation != '\0' && std::strchr(Operations, operation);
}

// The numbers 0 to 10 among a problem's operands, each once.
std::set<int> SmallOperands(const ProblemRow& problem)
{
    std::set<int> numbers;
    for (const int64_t operand : problem.operands)
        if (operand >= 0 && operand <= 10)
            numbers.insert(static_cast<int>(operand));
    return numbers;
}

Practice PracticeOf(const std::set<char>& operations, const std::set<int>& numbers)
{
    Practice practice;
    for (const char operation : std::string_view(Operations))
        if (operations.contains(operation))
            practice.operations += operation;
    practice.numbers.assign(numbers.begin(), numbers.end());
    return practice;
}

} // namespace

int64_t Share::Percent() const
{
    return answers == 0 ? 0 : (200 * right + answers) / (2 * answers);
}

bool Share::Counts() const
{
    return answers >= EnoughAnswers;
}

PracticeGrid GridOf(const std::vector<ProblemRow>& answers)
{
    PracticeGrid grid{};
    for (const ProblemRow& answer : answers) {
        if (!Known(answer.operation))
            continue;
        for (const int number : SmallOperands(answer)) {
            Share& share = grid[OperationIndex(answer.operation)][static_cast<size_t>(number)];
            ++share.answers;
            share.right += answer.correct ? 1 : 0;
        }
    }
    return grid;
}

Weakest WeakestOf(const PracticeGrid& grid)
{
    using Cell = Weakest::Cell;
    Weakest weakest;
    std::vector<Cell> weak;
    for (size_t operation = 0; operation < grid.size(); ++operation)
        for (int number = 0; number <= 10; ++number) {
            const Share& share = grid[operation][static_cast<size_t>(number)];
            weakest.counted = weakest.counted || share.Counts();
            if (share.Counts() && 100 * share.right < PractisedPercent * share.answers &&
                !(Operations[operation] == '/' && number == 0))
                weak.push_back({Operations[operation], number, share});
        }
    // The lowest share first; between equal shares, the one with more answers.
    std::stable_sort(weak.begin(), weak.end(), [](const Cell& a, const Cell& b) {
        return a.share.right * b.share.answers < b.share.right * a.share.answers ||
               (a.share.right * b.share.answers == b.share.right * a.share.answers &&
                a.share.answers > b.share.answers);
    });
    std::set<char> operations;
    std::set<int> numbers;
    for (const Cell& cell : weak) {
        if (!numbers.contains(cell.number) && numbers.size() == 4)
            continue;
        numbers.insert(cell.number);
        operations.insert(cell.operation);
        weakest.cells.push_back(cell);
    }
    weakest.practice = PracticeOf(operations, numbers);
    return weakest;
}

Practice MissedIn(const std::vector<ProblemRow>& problems)
{
    std::set<char> operations;
    std::set<int> numbers;
    for (const ProblemRow& problem : problems) {
        if (problem.correct || !Known(problem.operation))
            continue;
        operations.insert(problem.operation);
        numbers.merge(SmallOperands(problem));
    }
    return PracticeOf(operations, numbers);
}

} // namespace results
