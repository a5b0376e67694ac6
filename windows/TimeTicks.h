#pragma once

#include <cstdint>

// How the chart's time axis is marked over the time it spans.
namespace resultstexts {

// What each mark of the time axis names.
enum class TimeScale
{
    Hours, // the day and the time, over less than two days
    Days,  // the day, over less than a year
    Months // the month and the year, over a year or more
};

// The marks of a time axis: as many as five, none of them named twice. Marks that name days are
// at least 25 hours apart (the longest day, as the clocks go back), and those that name months at
// least 91 days, so that two never fall on one day or in one month.
struct TimeTicks
{
    int count = 5;
    TimeScale scale = TimeScale::Hours;
};
TimeTicks TimeTicksOver(int64_t spanMs);

} // namespace resultstexts
