#pragma once

#include <string>

namespace toolkit {

// Names the application, gives it its version, makes one physical press one action and maps
// the Windows font names the windows are drawn with onto the metric-compatible fonts found
// here. Call once after QApplication.
void SetUpApplication();

struct VersionNumbers
{
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The major, minor and revision numbers of the application's version (its fourth field).
VersionNumbers ApplicationVersion();

// Those three numbers as the program shows them: "1.1.18". Needs no application object.
std::string VersionText();

} // namespace toolkit
