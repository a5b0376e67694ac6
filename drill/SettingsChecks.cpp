#include "SettingsChecks.h"

#include "toolkit/Translatable.h"

#include <algorithm>

namespace drill {

namespace {

constexpr char NoTestType[] = TRANSLATABLE("drill", "No test type selected!");
constexpr char ZeroWithDivision[] = TRANSLATABLE("drill", "Can not test 0 with Division!");
constexpr char NoNumbers[] = TRANSLATABLE("drill", "No numbers selected for testing!");
constexpr char NoLength[] = TRANSLATABLE("drill", "No number of problems selected!");
constexpr char NoDifficulty[] = TRANSLATABLE("drill", "No difficulty selected!");

template <typename Iterator> bool NoneTicked(Iterator first, Iterator last)
{
    return std::none_of(first, last, Ticked);
}

} // namespace

std::optional<std::string> WhyStartRefused(const DrillChoice& choice)
{
    const auto& ops = choice.operations;
    const auto& numbers = choice.numbers;
    if (NoneTicked(ops.begin(), ops.end()))
        return NoTestType;
    if (Ticked(ops[Division - 1]) && NoneTicked(ops.begin(), ops.begin() + Division - 1) &&
        Ticked(numbers[0]) && NoneTicked(numbers.begin() + 1, numbers.end()))
        return ZeroWithDivision;
    if (NoneTicked(numbers.begin(), numbers.end()))
        return NoNumbers;
    if (choice.length < 0)
        return NoLength;
    if (choice.difficulty < 0)
        return NoDifficulty;
    return WhyNoProblem(choice);
}

std::optional<std::string> WhyNoProblem(const DrillChoice& choice)
{
    const auto& numbers = choice.numbers;
    if (NoneTicked(choice.operations.begin(), choice.operations.end()))
        return NoTestType;
    if (choice.difficulty != Easy)
        return std::nullopt;
    // On Easy a problem needs a ticked number on one side. A ticked number t always gives one
    // (t with itself suits every operation, and t is not 0 where a zero would divide), unless
    // the only ticked number is 0 and Division rules zero operands out.
    if (NoneTicked(numbers.begin(), numbers.end()))
        return NoNumbers;
    if (NoneTicked(numbers.begin() + 1, numbers.end()) && Ticked(choice.operations[Division - 1]))
        return ZeroWithDivision;
    return std::nullopt;
}

} // namespace drill
