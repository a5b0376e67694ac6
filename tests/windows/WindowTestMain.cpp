// Widget tests run on the offscreen platform, each process with a home folder of its own,
// so no test reads or writes the user's own settings.

#include "toolkit/Application.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

int main(int argc, char* argv[])
{
    // A test that needs file modes to apply re-runs itself with this set (see Unprivileged).
    if (std::getenv("CARROWBY_TEST_AS_NOBODY") && geteuid() == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            return 3;
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char home[] = "/tmp/carrowby-test-home-XXXXXX";
    if (!mkdtemp(home))
        return 2;
    setenv("HOME", home, 1);
    setenv("XDG_CONFIG_HOME", (std::string(home) + "/.config").c_str(), 1);

    int result = 0;
    {
        QApplication app(argc, argv);
        toolkit::SetUpApplication();
        testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return result;
}
