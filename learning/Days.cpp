#include "Days.h"

#include <charconv>
#include <chrono>

namespace learning {

namespace {

// The number that stands at [at, at + length) of the text, where it is all digits.
std::optional<int> Digits(std::string_view text, size_t at, size_t length)
{
    int number = 0;
    if (text.size() < at + length)
        return std::nullopt;
    const char* first = text.data() + at;
    const auto [end, error] = std::from_chars(first, first + length, number);
    return error == std::errc() && end == first + length ? std::optional(number) : std::nullopt;
}

} // namespace

Day DayOf(const Date& date)
{
    using namespace std::chrono;
    return static_cast<Day>(sys_days(year(date.year) / month(static_cast<unsigned>(date.month)) /
                                     std::chrono::day(static_cast<unsigned>(date.day)))
                                .time_since_epoch()
                                .count());
}

Date DateOf(Day day)
{
    using namespace std::chrono;
    const year_month_day date{sys_days(days(day))};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

std::optional<Day> DayOf(std::string_view recorded)
{
    const auto year = Digits(recorded, 0, 4), month = Digits(recorded, 5, 2),
               day = Digits(recorded, 8, 2);
    if (!year || !month || !day || recorded[4] != '-' || recorded[7] != '-')
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(*year),
                                           std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    return date.ok() ? std::optional(DayOf(Date{*year, *month, *day})) : std::nullopt;
}

Day LocalDay(std::time_t when)
{
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    return DayOf(Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

} // namespace learning
