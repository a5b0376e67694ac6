#pragma once

#include "toolkit/RandomSource.h"

#include <cmath>
#include <deque>

// Hands out a fixed sequence of draws, then random ones so it never starves.
struct ScriptedRandom : toolkit::RandomSource
{
    void SeedFromTimeOfDay() override { ++seeds; }
    double Draw() override
    {
        if (draws.empty())
            return fallback.Draw();
        const double draw = draws.front();
        draws.pop_front();
        return draw;
    }

    std::deque<double> draws;
    int seeds = 0;
    toolkit::TimeSeededRandom fallback;
};

// The draw (mid-interval) that picks an operation 1-4, an operand of a power, a power k of 1-n.
inline const auto Op = [](int operation) { return (operation - 0.5) / 4; };
inline const auto Operand = [](int n, int power) { return (n + 0.5) / std::pow(11., power); };
inline const auto Power = [](int k, int n) { return (k - 0.5) / n; };
