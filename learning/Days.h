#pragma once

#include <ctime>
#include <optional>
#include <string_view>

// The child's calendar: the local days on which answers were given, whatever the clock's time
// zone now.
namespace learning {

// A local calendar day, counted from 1 January 1970.
using Day = int;

// The day a time the record keeps ("2026-12-07T17:05:00+01:00") was lived on: its date as it is
// written, the local date where and when it was given; nothing where the text holds no date.
std::optional<Day> DayOf(std::string_view recorded);
// The local date of a moment, by the time zone the program runs in.
Day LocalDay(std::time_t when);
// A day's date.
struct Date
{
    int year, month, day;
};
Date DateOf(Day day);
Day DayOf(const Date& date);

} // namespace learning
