#pragma once

#include "toolkit/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <initializer_list>

// Hands out a fixed sequence of draws, so that every draw of a procedure can be fixed. Past
// the script it draws at random, so a procedure that goes on never starves; extra counts
// those draws.
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
            ++extra;
            return m_fallback.Draw();
        }
        const double draw = m_draws.front();
        m_draws.pop_front();
        return draw;
    }

    int seeds = 0;
    int extra = 0;

  private:
    std::deque<double> m_draws;
    toolkit::TimeSeededRandom m_fallback;
};

// The draw r that makes floor(r * n) give value: the middle of value's interval.
inline double DrawFor(int value, double n)
{
    return (value + 0.5) / n;
}

// The draw that picks an operation (1 to 4).
inline double Op(int operation)
{
    return DrawFor(operation - 1, 4);
}

// The draw that makes RandomOperand(power) give value.
inline double Operand(int value, int power)
{
    return DrawFor(value, std::pow(11.0, power));
}

// The draw that makes a power k(n) give k.
inline double Power(int k, int n)
{
    return DrawFor(k - 1, n);
}
