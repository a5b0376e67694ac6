#pragma once

#include "ProblemSource.h"

#include <functional>

namespace drill {

// Problems drawn from the main window's settings: read afresh before each problem, as they stay
// within reach under the problem frame, for a test of the length chosen at its start.
class SettingsDraw : public ProblemSource
{
  public:
    SettingsDraw(std::function<DrillChoice()> settings, int16_t length,
                 toolkit::RandomSource& random);

    std::optional<std::string> WhyNotStart() const override;
    std::optional<std::string> WhyNone() const override;
    Problem Next() override;
    int16_t Length() const override { return m_length; }

  private:
    std::function<DrillChoice()> m_settings;
    toolkit::RandomSource& m_random;
    int16_t m_length;
};

} // namespace drill
