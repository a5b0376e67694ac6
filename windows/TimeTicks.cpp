#include "TimeTicks.h"

#include <algorithm>

namespace resultstexts {

TimeTicks TimeTicksOver(int64_t spanMs)
{
    constexpr int64_t hour = 3600 * 1000, day = 24 * hour, longestDay = 25 * hour;
    if (spanMs < 2 * day)
        return {5, TimeScale::Hours}; // a span of two hours at least: marks half an hour apart
    if (spanMs < 365 * day)
        return {static_cast<int>(std::min<int64_t>(5, spanMs / longestDay + 1)), TimeScale::Days};
    return {5, TimeScale::Months};
}

} // namespace resultstexts
