#pragma once

#include <ctime>
#include <string>

namespace results {

// The local time in ISO 8601 with its offset from UTC: "2026-12-07T09:30:00+01:00".
std::string LocalTimeText(std::time_t when);

} // namespace results
