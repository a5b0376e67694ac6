#include "DrillRecord.h"

#include <cstddef>

namespace drill {

std::string TickedOperations(const DrillChoice& choice)
{
    std::string signs;
    for (const Operation operation : {Addition, Subtraction, Multiplication, Division})
        if (Ticked(choice.operations[operation - 1]))
            signs += OperationSign(operation);
    return signs;
}

std::string TickedNumbers(const DrillChoice& choice)
{
    std::string numbers;
    for (size_t number = 0; number < choice.numbers.size(); ++number)
        if (Ticked(choice.numbers[number])) {
            if (!numbers.empty())
                numbers += ',';
            numbers += std::to_string(number);
        }
    return numbers;
}

std::string DifficultyName(int16_t difficulty)
{
    static const char* const names[] = {"Easy", "Medium", "Hard", "Diabloish"};
    return difficulty >= Easy && difficulty <= Diabloish ? names[difficulty] : "";
}

std::vector<int64_t> ShownOperands(const Problem& problem)
{
    const std::array<int32_t, 4> operands = {problem.FirstOperand, problem.SecondOperand,
                                             problem.ThirdOperand, problem.FourthOperand};
    const auto lines = static_cast<std::ptrdiff_t>(LineCount(problem));
    return std::vector<int64_t>(operands.rend() - lines, operands.rend());
}

} // namespace drill
