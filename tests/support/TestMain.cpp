// The tests' main: each process works in a home folder of its own, removed when it is done.

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>
#ifdef CARROWBY_TEST_WINDOWS
#include "toolkit/Application.h"
#include "toolkit/Translations.h"

#include <QApplication>
#endif

int main(int argc, char* argv[])
{
    std::string home = std::filesystem::temp_directory_path() / "carrowby-test-home-XXXXXX";
    if (!mkdtemp(home.data()))
        return 2;
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.c_str(), 0); // or Qt makes one in /tmp
    // Read Aloud never reaches the user's speech server, nor starts one: none listens here, and
    // one started for another place than its own refuses.
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + home + "/no-speech-server").c_str(), 1);
    testing::InitGoogleTest(&argc, argv);
#ifdef CARROWBY_TEST_WINDOWS
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    toolkit::SetUpApplication();
    if (!std::getenv("CARROWBY_TEST_LANGUAGE")) // its LANGUAGE set too; else English whatever LANG
        setenv("LANGUAGE", "en", 1);
    toolkit::InstallTranslations();
#endif
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return result;
}
