#include "LocalTime.h"

namespace results {

std::string LocalTimeText(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char text[40];
    const size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string iso(text, length);
    iso.insert(iso.size() - 2, 1, ':'); // +0100 as +01:00
    return iso;
}

} // namespace results
