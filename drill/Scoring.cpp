#include "Scoring.h"

#include "drill/Translatable.h"
#include "toolkit/NumberText.h"

#include <array>
#include <limits>

namespace drill {

namespace {

constexpr std::string_view Unlimited = TRANSLATABLE("drill", "Unlimited");

double StrictValue(std::string_view caption)
{
    return toolkit::ReadStrict(caption).value_or(0);
}

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
    return {SignedBlankText(NumberCorrect), SignedBlankText(NumberIncorrect),
            SignedBlankText(Percentage(NumberCorrect, ProblemNumber))};
}

std::string LetterGrade(std::string_view percentageCaption)
{
    struct Row
    {
        const char* grade;
        double from;  // inclusive
        double below; // exclusive; a row with below == from needs exactly from
    };
    static constexpr std::array<Row, 13> rows{{
        {"A+", 100, 100},
        {"A", 93, 100},
        {"A-", 90, 93},
        {"B+", 87, 90},
        {"B", 83, 87},
        {"B-", 80, 83},
        {"C+", 77, 80},
        {"C", 73, 77},
        {"C-", 70, 73},
        {"D+", 67, 70},
        {"D", 63, 67},
        {"D-", 60, 63},
        {"F", -std::numeric_limits<double>::infinity(), 60},
    }};
    const double percentage = StrictValue(percentageCaption);
    std::string grade;
    for (const Row& row : rows) {
        const bool holds = row.below == row.from ? percentage == row.from
                                                 : percentage >= row.from && percentage < row.below;
        if (holds)
            grade = row.grade;
    }
    return grade;
}

std::vector<std::pair<std::string, int>> LetterBands()
{
    std::vector<std::pair<std::string, int>> bands;
    for (int percentage = 100; percentage >= 0; --percentage) {
        const std::string letter = LetterGrade(toolkit::PlainText(percentage)).substr(0, 1);
        if (bands.empty() || bands.back().first != letter)
            bands.emplace_back(letter, percentage);
        bands.back().second = percentage;
    }
    return bands;
}

std::string TimeLimitCaption(int seconds)
{
    return seconds > 0 ? toolkit::PlainText(seconds) : std::string(Unlimited);
}

std::optional<Countdown> CountDown(std::string_view caption)
{
    const std::optional<double> seconds = toolkit::ReadStrict(caption);
    if (!seconds) // "Unlimited", in whatever language it is shown
        return std::nullopt;
    Countdown next;
    next.caption = toolkit::PlainText(*seconds - 1);
    next.timeUp = !(StrictValue(next.caption) > 0);
    return next;
}

} // namespace drill
