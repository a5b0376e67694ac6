#include "Clock.h"

namespace toolkit {

std::chrono::steady_clock::time_point SystemClock::Steady() const
{
    return std::chrono::steady_clock::now();
}

std::time_t SystemClock::Wall() const
{
    return std::time(nullptr);
}

} // namespace toolkit
