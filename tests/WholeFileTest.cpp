// A file the user asked for (an export, a report) written whole and private, or not at all.

#include "toolkit/WholeFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(WholeFile, IsWrittenWholeAndPrivateOrNotAtAll)
{
    std::string folder = fs::temp_directory_path() / "carrowby-whole-XXXXXX";
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    const std::string path = folder + "/Ada's report.pdf";
    const mode_t umasked = umask(0); // what the user's umask would leave open to others
    EXPECT_EQ(toolkit::SaveWhole(path, "kept before"), 0);
    umask(umasked);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    const auto text = [&] {
        return std::string(std::istreambuf_iterator<char>(std::ifstream(path).rdbuf()), {});
    };
    // A write that fails on the way, as on a full disk: here a file size limit.
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &small);
        _exit(toolkit::SaveWhole(path, std::string(5000, 'x')) == EFBIG ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(status, 0) << "the failure named";
    EXPECT_EQ(text(), "kept before") << "no part of it in place of what was there";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1) << "nothing left beside it";
    EXPECT_EQ(toolkit::SaveWhole(folder + "/missing/report.pdf", "x"), ENOENT);
    fs::remove_all(folder);
}
