#include "DrillRecord.h"

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

std::vector<int64_t> ShownOperands(const Problem& problem, int16_t difficulty)
{
    const std::array<std::string, 4> lines = ProblemLines(problem, difficulty);
    const std::array<int32_t, 4> operands = {problem.FirstOperand, problem.SecondOperand,
                                             problem.ThirdOperand, problem.FourthOperand};
    std::vector<int64_t> shown;
    for (size_t line = lines.size(); line-- > 0;)
        if (!lines[line].empty())
            shown.push_back(operands[line]);
    return shown;
}

} // namespace drill
