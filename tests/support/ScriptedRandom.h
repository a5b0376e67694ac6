#pragma once

#include "toolkit/RandomSource.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>

// Hands out a fixed sequence of draws, so that every draw of a procedure can be fixed.
class ScriptedRandom : public toolkit::RandomSource
{
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> draws) : m_draws(draws) {}

    void Add(std::initializer_list<double> draws) { m_draws.insert(m_draws.end(), draws); }
    size_t Left() const { return m_draws.size(); }

    void SeedFromTimeOfDay() override { ++seeds; }
    double Draw() override
    {
        if (m_draws.empty()) {
            ADD_FAILURE() << "more draws taken than scripted";
            return 0;
        }
        const double draw = m_draws.front();
        m_draws.pop_front();
        return draw;
    }

    int seeds = 0;

private:
    std::deque<double> m_draws;
};

// The draw r that makes floor(r * n) give value: the middle of value's interval.
inline double DrawFor(int value, double n) { return (value + 0.5) / n; }
