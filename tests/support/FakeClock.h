#pragma once

#include "toolkit/Clock.h"

// A clock the test moves: it stands still until told to go on.
struct FakeClock : toolkit::Clock
{
    std::chrono::steady_clock::time_point Steady() const override { return steady; }
    std::time_t Wall() const override { return wall; }
    void Pass(double seconds)
    {
        steady += std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::duration<double>(seconds));
        wall += static_cast<std::time_t>(seconds);
    }

    std::chrono::steady_clock::time_point steady{};
    std::time_t wall = 1764576000; // 2025-12-01 08:00 UTC
};
