#include "ProblemDraw.h"

#include <cmath>
#include <limits>

namespace drill {

namespace {

bool IsTicked(int16_t value)
{
    return value == 1;
}

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

std::string OperationSign(int16_t operation)
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
    bool result = zeroOperand && IsTicked(ticked[0]);
    for (int k = 1; k <= 10; ++k) {
        if ((FirstOperand == k || SecondOperand == k) && IsTicked(ticked[k]))
            result = true;
    }
    if (zeroOperand && IsTicked(choice.operations[Division - 1]) && IsTicked(ticked[0]))
        result = false;
    return result;
}

int32_t ComputeAnswer(const std::string& sign, int32_t FirstOperand, int32_t SecondOperand,
                      int32_t ThirdOperand, int32_t FourthOperand)
{
    if (sign == "+")
        return FirstOperand + SecondOperand + ThirdOperand + FourthOperand;
    if (sign == "-")
        return SecondOperand - FirstOperand;
    if (sign == "x")
        return FirstOperand * SecondOperand;
    // A zero divisor is never drawn; answer 0 rather than trap should one be passed in.
    return FirstOperand == 0 ? 0 : SecondOperand / FirstOperand;
}

std::optional<std::string> WhyNoProblem(const DrillChoice& choice)
{
    bool anyOperation = false;
    for (int16_t value : choice.operations)
        anyOperation = anyOperation || value != 0;
    if (!anyOperation)
        return "No test type selected!";
    if (choice.difficulty != Easy)
        return std::nullopt;

    // On Easy a problem needs a ticked number on one side. A ticked number t always gives
    // one (t with itself suits every operation, and t is not 0 where a zero would divide),
    // unless the only ticked number is 0 and Division rules zero operands out.
    bool anyNumber = false;
    bool anyBesideZero = false;
    for (int k = 0; k <= 10; ++k) {
        anyNumber = anyNumber || IsTicked(choice.numbers[k]);
        anyBesideZero = anyBesideZero || (k > 0 && IsTicked(choice.numbers[k]));
    }
    if (!anyNumber)
        return "No numbers selected for testing!";
    if (!anyBesideZero && IsTicked(choice.operations[Division - 1]))
        return "Can not test 0 with Division!";
    return std::nullopt;
}

Problem DrawProblem(const DrillChoice& choice, toolkit::RandomSource& random, int* draws)
{
    Problem problem;
    int attempts = 0;
    for (;;) {
        ++attempts;
        problem.operation = static_cast<int16_t>(std::floor(4 * random.Draw() + 1));
        if (choice.operations[problem.operation - 1] == 0)
            continue;
        DrawOperands(problem, choice.difficulty, random);
        if (!SuitsOperation(problem))
            continue;
        if (choice.difficulty == Easy &&
            !UsesTickedNumber(problem.FirstOperand, problem.SecondOperand, choice))
            continue;
        break;
    }
    if (draws)
        *draws = attempts;
    return problem;
}

} // namespace drill
