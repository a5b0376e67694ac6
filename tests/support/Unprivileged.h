#pragma once

#include <gtest/gtest.h>

#include <string>
#include <sys/wait.h>
#include <unistd.h>

// File modes do not bind root. Called first in a test that needs them to: when this process
// is root, the test runs again as nobody in a new process of this program (whose main drops
// root's privileges when CARROWBY_TEST_AS_NOBODY is set), its outcome is recorded, and the
// result is true: the caller returns. Otherwise false, and the test goes on here.
inline bool RanAsNobody()
{
    if (geteuid() != 0)
        return false;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter =
        std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    if (fork() == 0) {
        setenv("CARROWBY_TEST_AS_NOBODY", "1", 1);
        execl("/proc/self/exe", "carrowby-test", filter.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    wait(&status);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "as nobody: " << status;
    return true;
}
