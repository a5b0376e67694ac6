#pragma once

#include <chrono>
#include <ctime>

namespace toolkit {

// Where the time comes from: a steady one for how long things take, which never goes back, and
// the time of day for the dates a person reads. Tests put one they move in its place.
class Clock
{
  public:
    virtual ~Clock() = default;
    virtual std::chrono::steady_clock::time_point Steady() const = 0;
    virtual std::time_t Wall() const = 0;
};

class SystemClock : public Clock
{
  public:
    std::chrono::steady_clock::time_point Steady() const override;
    std::time_t Wall() const override;
};

} // namespace toolkit
