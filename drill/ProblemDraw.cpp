#include "ProblemDraw.h"

#include "toolkit/NumberText.h"

#include <cmath>
#include <limits>

namespace drill {

namespace {

// A whole number from 1 to n, each equally likely.
int16_t RandomPower(int16_t n, toolkit::RandomSource& random)
{
    return static_cast<int16_t>(std::floor(n * random.Draw() + 1));
}

void DrawOperands(Problem& problem, int16_t difficulty, toolkit::RandomSource& random)
{
    // Left to right across the columns fourth, third, second, first; each power is drawn
    // just before the operand that uses it.
    auto draw = [&random](int16_t maxPower) {
        return RandomOperand(RandomPower(maxPower, random), random);
    };
    switch (difficulty) {
    case Easy:
    case Medium: {
        const int16_t power = difficulty == Easy ? 1 : 2;
        problem.FourthOperand = 0;
        problem.ThirdOperand = 0;
        problem.SecondOperand = RandomOperand(power, random);
        problem.FirstOperand = RandomOperand(power, random);
        break;
    }
    case Hard:
        problem.FourthOperand = 0;
        problem.ThirdOperand = draw(6);
        problem.SecondOperand = draw(5);
        problem.FirstOperand = draw(5);
        break;
    default:
        problem.FourthOperand = draw(6);
        problem.ThirdOperand = draw(5);
        problem.SecondOperand = draw(4);
        problem.FirstOperand = draw(3);
        break;
    }
}

bool SuitsOperation(const Problem& problem)
{
    switch (problem.operation) {
    case Subtraction:
        return problem.SecondOperand >= problem.FirstOperand;
    case Division:
        return problem.SecondOperand >= problem.FirstOperand && problem.FirstOperand != 0;
    case Multiplication:
        return static_cast<int64_t>(problem.FirstOperand) * problem.SecondOperand <=
               std::numeric_limits<int32_t>::max();
    default:
        return true;
    }
}

} // namespace

std::string OperationSign(Operation operation)
{
    switch (operation) {
    case Addition:
        return "+";
    case Subtraction:
        return "-";
    case Multiplication:
        return "x";
    default:
        return "/";
    }
}

int32_t RandomOperand(int16_t Power, toolkit::RandomSource& random)
{
    return static_cast<int32_t>(std::floor(random.Draw() * std::pow(11.0, Power)));
}

bool UsesTickedNumber(int32_t FirstOperand, int32_t SecondOperand, const DrillChoice& choice)
{
    const auto& ticked = choice.numbers;
    const bool zeroOperand = FirstOperand == 0 || SecondOperand == 0;
    bool result = zeroOperand && Ticked(ticked[0]);
    for (int k = 1; k <= 10; ++k) {
        if ((FirstOperand == k || SecondOperand == k) && Ticked(ticked[k]))
            result = true;
    }
    if (zeroOperand && Ticked(choice.operations[Division - 1]) && Ticked(ticked[0]))
        result = false;
    return result;
}

Problem DrawProblem(const DrillChoice& choice, toolkit::RandomSource& random)
{
    Problem problem;
    for (;;) {
        problem.operation =
            static_cast<Operation>(static_cast<int>(std::floor(4 * random.Draw() + 1)));
        if (choice.operations[problem.operation - 1] == 0)
            continue;
        problem.difficulty = choice.difficulty;
        DrawOperands(problem, choice.difficulty, random);
        if (!SuitsOperation(problem))
            continue;
        if (choice.difficulty == Easy &&
            !UsesTickedNumber(problem.FirstOperand, problem.SecondOperand, choice))
            continue;
        break;
    }
    return problem;
}

int32_t ComputeAnswer(const Problem& p)
{
    switch (p.operation) {
    case Addition:
        return p.FirstOperand + p.SecondOperand + p.ThirdOperand + p.FourthOperand;
    case Subtraction:
        return p.SecondOperand - p.FirstOperand;
    case Multiplication:
        return p.FirstOperand * p.SecondOperand;
    default:
        // A zero divisor is never drawn; answer 0 rather than trap should one be passed in.
        return p.FirstOperand == 0 ? 0 : p.SecondOperand / p.FirstOperand;
    }
}

size_t LineCount(const Problem& problem)
{
    if (problem.operation != Addition || problem.difficulty <= Medium)
        return 2;
    return problem.difficulty > Hard ? 4 : 3;
}

std::array<std::string, 4> ProblemLines(const Problem& problem)
{
    using toolkit::SignedBlankText;
    const size_t lines = LineCount(problem);
    return {SignedBlankText(problem.FirstOperand), SignedBlankText(problem.SecondOperand),
            lines > 2 ? SignedBlankText(problem.ThirdOperand) : "",
            lines > 3 ? SignedBlankText(problem.FourthOperand) : ""};
}

std::string ProblemCaption(int16_t ProblemNumber, int16_t NumberOfProblems, std::string pattern)
{
    for (const auto& [mark, number] : {std::pair{"%1", ProblemNumber}, {"%2", NumberOfProblems}})
        if (const size_t at = pattern.find(mark); at != std::string::npos)
            pattern.replace(at, 2, toolkit::SignedBlankText(number));
    return pattern;
}

} // namespace drill
