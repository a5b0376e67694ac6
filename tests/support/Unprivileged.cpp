#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr uid_t Nobody = 65534;
}

bool RunUnprivileged(const std::function<void()>& body)
{
    if (geteuid() != 0) {
        body();
        return !::testing::Test::HasFailure();
    }
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(Nobody) != 0 || setuid(Nobody) != 0)
            _exit(3);
        body();
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int RunCurrentTestAsNobody()
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter =
        std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    const pid_t child = fork();
    if (child == 0) {
        setenv("CARROWBY_TEST_AS_NOBODY", "1", 1);
        execl("/proc/self/exe", "carrowby-test", filter.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}
