// The store file that serves the registry where the system has none: where it lives, files it
// cannot read whole, file permissions, and other processes writing at once or dying mid-write.

#include "registry/StoreFile.h"
#include "registry/StoreFormat.h"
#include "support/RegistrySandbox.h"

#include <csignal>
#include <random>
#include <regex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

class StoreFileTest : public RegistrySandbox
{
  protected:
    std::string Path() const { return m_folder + "/carrowby/registry.reg"; }
    std::string Read(const std::string& name)
    {
        std::string value;
        settings.ReadValue(name, value);
        return value;
    }

    RegistryManager settings = AppKey("QZV", "Carrowby");
};

} // namespace

TEST_F(StoreFileTest, LivesPrivatelyInTheUsersConfigFolder)
{
    using std::filesystem::perms, std::filesystem::status;
    EXPECT_EQ(registry::StoreFile::DefaultPath(), Path());
    EXPECT_EQ(settings.DoesKeyExist(), False);
    EXPECT_FALSE(std::filesystem::exists(Path())) << "reading creates nothing";
    EXPECT_EQ(settings.CreateSubKey(), True);
    EXPECT_EQ(status(m_folder + "/carrowby").permissions(), perms::owner_all);
    EXPECT_EQ(status(Path()).permissions(), perms::owner_read | perms::owner_write);
    auto files = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto open = files();
    for (int i = 0; i < 50; ++i)
        Read("UserName");
    EXPECT_EQ(files(), open) << "no file is left open";
    setenv("XDG_CONFIG_HOME", "", 1);
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(registry::StoreFile::DefaultPath(), "/home/someone/.config/carrowby/registry.reg");
}

// A file that is no registry export is moved aside and a new one started; a hand-edited file
// with a line that cannot be read keeps its other values, and a copy of it as it was is kept
// before it is replaced. Reading alone leaves either as it is.
TEST_F(StoreFileTest, FilesThatCannotBeReadWholeAreKept)
{
    using Row = std::tuple<std::string, std::string, Bool16, Bool16>; // read, written, created
    const Row rows[] = {
        {"not a store \x01\xff\n[[[", std::string(255, ' '), False, True},
        {"Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby]"
         "\r\n\"UserName\"=\"Ada\" \r\n\"chk7\"=\" 1\r\n",
         "Ada", True, False},
    };
    ASSERT_EQ(settings.CreateSubKey(), True);
    for (const auto& [text, userName, written, created] : rows) {
        std::ofstream(Path(), std::ios::binary) << text;
        testing::internal::CaptureStderr();
        EXPECT_EQ(Read("UserName"), userName);
        EXPECT_EQ(FileText(Path()), text);
        EXPECT_EQ(settings.WriteValue("chk7", " 0", REG_SZ), written);
        EXPECT_EQ(settings.CreateSubKey(), created);
        const std::string said = testing::internal::GetCapturedStderr();
        const std::string aside = said.substr(said.find(Path() + ".unreadable-"));
        EXPECT_EQ(FileText(aside.substr(0, aside.find_first_of(" \n"))), text) << said;
        EXPECT_TRUE(std::regex_search(aside, std::regex("unreadable-[0-9]{8}-[0-9]{6}"))) << said;
        EXPECT_EQ(registry::ParseStore(FileText(Path()))->skipped.size(), 0u);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder + "/carrowby"), {}), 3);
    EXPECT_EQ(Read("UserName") + Read("chk7"), "Ada 0");
}

TEST_F(StoreFileTest, FilePermissionsDecideWhatMayBeDone)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file modes do not bind root: this runs as nobody by its own entry";
    ASSERT_EQ(settings.CreateSubKey(), True);
    ASSERT_EQ(settings.WriteValue("UserName", "Carrowby", REG_SZ), True);
    const registry::StoreFile store(Path());
    ASSERT_EQ(chmod(Path().c_str(), 0400), 0);
    EXPECT_EQ(Read("UserName"), "Carrowby");
    EXPECT_EQ(settings.DoesKeyExist(), False) << "no full access";
    EXPECT_EQ(settings.WriteValue("UserName", "x", REG_SZ), False);
    EXPECT_EQ(settings.SetupProgramType("Carrowby.Drill", "Drill", "icon", "open", "play"), False);
    EXPECT_EQ(store.WhyUnreadable(), std::nullopt);
    ASSERT_EQ(chmod(Path().c_str(), 0000), 0);
    EXPECT_EQ(Read("UserName"), std::string(255, ' ')) << "the key cannot be opened";
    EXPECT_EQ(store.WhyUnreadable(), "Permission denied");
    ASSERT_EQ(chmod(Path().c_str(), 0600) + chmod((m_folder + "/carrowby").c_str(), 0500), 0);
    EXPECT_EQ(settings.WriteValue("UserName", "x", REG_SZ), False) << "folder not writable";
    EXPECT_EQ(Read("UserName"), "Carrowby");
    chmod((m_folder + "/carrowby").c_str(), 0700);
}

// Meanwhile the file always reads whole, and no write is lost.
TEST_F(StoreFileTest, TwoWritersAtOnceLoseNothing)
{
    pid_t writers[2];
    for (char w : {'a', 'b'}) {
        if ((writers[w - 'a'] = fork()) == 0) {
            settings.CreateSubKey();
            for (int i = 0; i < 150; ++i)
                if (settings.WriteValue(w + std::to_string(i), "x", REG_SZ) != True)
                    _exit(1);
            _exit(0);
        }
    }
    while (waitpid(writers[0], nullptr, WNOHANG) == 0 ||
           waitpid(writers[1], nullptr, WNOHANG) == 0) {
        const std::string text = FileText(Path());
        const auto store = registry::ParseStore(text);
        ASSERT_TRUE(text.empty() || (store && store->skipped.empty())) << text;
    }
    for (char w : {'a', 'b'})
        for (int i = 0; i < 150; ++i)
            EXPECT_EQ(Read(w + std::to_string(i)), "x");
}

TEST_F(StoreFileTest, AWriterKilledAtAnyMomentLeavesAWholeFile)
{
    std::mt19937 chance(std::random_device{}());
    int written = 0; // values confirmed by earlier writers, all of which must survive
    settings.CreateSubKey();
    for (int round = 0; round < 15; ++round) {
        int confirmations[2];
        ASSERT_EQ(pipe(confirmations), 0);
        const pid_t writer = fork();
        if (writer == 0) {
            for (int i = written;; ++i)
                if (settings.WriteValue("v" + std::to_string(i), "x", REG_SZ) == True &&
                    write(confirmations[1], &i, sizeof i) != sizeof i)
                    _exit(1);
        }
        close(confirmations[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(1000 + chance() % 20000));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        for (int confirmed; read(confirmations[0], &confirmed, sizeof confirmed) > 0;)
            written = confirmed + 1;
        close(confirmations[0]);
        ASSERT_TRUE(registry::ParseStore(FileText(Path())).has_value()) << "round " << round;
        for (int i = 0; i < written; ++i)
            ASSERT_EQ(Read("v" + std::to_string(i)), "x") << "round " << round;
    }
    EXPECT_GT(written, 0);
}
