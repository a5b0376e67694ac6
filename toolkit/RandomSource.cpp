#include "RandomSource.h"

#include <chrono>

namespace toolkit {

TimeSeededRandom::TimeSeededRandom()
{
    SeedFromTimeOfDay();
}

void TimeSeededRandom::SeedFromTimeOfDay()
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto sinceMidnight = duration_cast<microseconds>(now % days(1));
    m_engine.seed(static_cast<uint64_t>(sinceMidnight.count()));
}

double TimeSeededRandom::Draw()
{
    // The top 53 bits give every double in [0, 1) on a uniform grid, never 1 itself.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

} // namespace toolkit
