#include "SettingsDraw.h"

#include "SettingsChecks.h"

namespace drill {

SettingsDraw::SettingsDraw(std::function<DrillChoice()> settings, int16_t length,
                           toolkit::RandomSource& random)
    : m_settings(std::move(settings)), m_random(random), m_length(length)
{
}

std::optional<std::string> SettingsDraw::WhyNotStart() const
{
    return WhyStartRefused(m_settings());
}

std::optional<std::string> SettingsDraw::WhyNone() const
{
    return WhyNoProblem(m_settings());
}

Problem SettingsDraw::Next()
{
    return DrawProblem(m_settings(), m_random);
}

} // namespace drill
