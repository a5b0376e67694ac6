#include "Scoring.h"

#include "toolkit/NumberText.h"
#include "toolkit/Translatable.h"

#include <limits>

namespace drill {

namespace {

constexpr std::string_view Unlimited = TRANSLATABLE("drill", "Unlimited");

} // namespace

Judgement Judge(std::string_view typed, int32_t RightAnswer)
{
    const toolkit::LenientNumber number = toolkit::ReadLenient(typed);
    if (number.inRange && number.value == static_cast<double>(RightAnswer))
        return {true, TRANSLATABLE("drill", "You were right!")};
    return {false, TRANSLATABLE("drill", "Oops!!!")};
}

int16_t Percentage(int16_t NumberCorrect, int16_t ProblemNumber)
{
    if (NumberCorrect == 0)
        return 0;
    const double quotient = static_cast<int16_t>(NumberCorrect * 100) / double(ProblemNumber);
    return toolkit::ToInt16(quotient).value_or(0);
}

StatusCaptions Status(int16_t NumberCorrect, int16_t NumberIncorrect, int16_t ProblemNumber)
{
    using toolkit::SignedBlankText;
    const int16_t percentage = Percentage(NumberCorrect, ProblemNumber);
    return {SignedBlankText(NumberCorrect), SignedBlankText(NumberIncorrect),
            SignedBlankText(percentage), LetterGrade(percentage)};
}

std::span<const GradeRow> GradeTable()
{
    // Each grade from its lowest percentage up to the lowest of the grade above it.
    static constexpr GradeRow rows[] = {
        {"A+", 100},
        {"A", 93},
        {"A-", 90},
        {"B+", 87},
        {"B", 83},
        {"B-", 80},
        {"C+", 77},
        {"C", 73},
        {"C-", 70},
        {"D+", 67},
        {"D", 63},
        {"D-", 60},
        {"F", -std::numeric_limits<double>::infinity()},
    };
    return rows;
}

std::string LetterGrade(double percentage)
{
    if (!(percentage <= 100))
        return {};
    for (const GradeRow& row : GradeTable())
        if (percentage >= row.lowest)
            return row.grade;
    return {};
}

std::vector<std::pair<std::string, int>> LetterBands()
{
    std::vector<std::pair<std::string, int>> bands;
    for (int percentage = 100; percentage >= 0; --percentage) {
        const std::string letter = LetterGrade(percentage).substr(0, 1);
        if (bands.empty() || bands.back().first != letter)
            bands.emplace_back(letter, percentage);
        bands.back().second = percentage;
    }
    return bands;
}

std::string SecondsCaption(std::optional<int> secondsLeft)
{
    return secondsLeft ? toolkit::PlainText(*secondsLeft) : std::string(Unlimited);
}

} // namespace drill
