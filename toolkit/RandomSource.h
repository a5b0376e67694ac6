#pragma once

#include <cstdint>
#include <random>

namespace toolkit {

// Where the drill's random numbers come from. Tests put a scripted sequence in its place.
class RandomSource
{
  public:
    virtual ~RandomSource() = default;
    virtual void SeedFromTimeOfDay() = 0;
    // A value uniform in [0, 1).
    virtual double Draw() = 0;
};

class TimeSeededRandom : public RandomSource
{
  public:
    TimeSeededRandom();
    void SeedFromTimeOfDay() override;
    double Draw() override;

  private:
    std::mt19937_64 m_engine;
};

} // namespace toolkit
