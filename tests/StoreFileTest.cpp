// The store file as the registry where the system has none: where it lives, its modes,
// what it does with a file it cannot parse, with file permissions, and with other
// processes writing at once or dying mid-write.

#include "registry/StoreFile.h"
#include "registry/StoreFormat.h"
#include "support/RegistrySandbox.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class StoreFileTest : public RegistrySandbox
{
  protected:
    std::string Folder() const { return std::string(std::getenv("XDG_CONFIG_HOME")) + "/carrowby"; }
    std::string StorePath() const { return Folder() + "/registry.reg"; }

    std::string StoreText() const
    {
        std::ifstream file(StorePath());
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    RegistryManager Settings() const { return AppKey("QZV", "Carrowby"); }
};

std::string ReadValue(RegistryManager& manager, const std::string& name)
{
    std::string value;
    manager.ReadValue(name, value);
    return value;
}

mode_t Mode(const std::string& path)
{
    struct stat info
    {
    };
    stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

} // namespace

TEST_F(StoreFileTest, LivesInTheUsersConfigFolderPrivately)
{
    EXPECT_EQ(registry::StoreFile::DefaultPath(), StorePath());
    RegistryManager settings = Settings();
    EXPECT_EQ(settings.DoesKeyExist(), False);
    EXPECT_NE(access(StorePath().c_str(), F_OK), 0) << "reading creates nothing";
    EXPECT_EQ(settings.CreateSubKey(), True);
    EXPECT_EQ(Mode(Folder()), 0700u);
    EXPECT_EQ(Mode(StorePath()), 0600u);

    setenv("XDG_CONFIG_HOME", "", 1);
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(registry::StoreFile::DefaultPath(), "/home/someone/.config/carrowby/registry.reg");
}

TEST_F(StoreFileTest, EveryCallSeesTheFileAsItIsNow)
{
    RegistryManager settings = Settings();
    ASSERT_EQ(settings.CreateSubKey(), True);
    settings.WriteValue("UserName", "Carrowby", REG_SZ);
    {
        std::ofstream edit(StorePath());
        edit << "Windows Registry Editor Version 5.00\n\n"
                "[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby]\n"
                "\"UserName\"=\"Edited\"\n";
    }
    EXPECT_EQ(ReadValue(settings, "UserName"), "Edited");
    std::remove(StorePath().c_str());
    EXPECT_EQ(settings.DoesKeyExist(), False);
    EXPECT_EQ(settings.WriteValue("UserName", "x", REG_SZ), False);
}

TEST_F(StoreFileTest, UnreadableFileIsMovedAsideAndKept)
{
    RegistryManager settings = Settings();
    ASSERT_EQ(settings.CreateSubKey(), True);
    const std::string garbage = "not a store \x01\xff\n[[[";
    {
        std::ofstream edit(StorePath(), std::ios::binary);
        edit << garbage;
    }
    EXPECT_EQ(settings.DoesKeyExist(), False) << "an unreadable store reads as empty";
    EXPECT_EQ(StoreText(), garbage) << "reading alone leaves it where it is";

    testing::internal::CaptureStderr();
    EXPECT_EQ(settings.CreateSubKey(), True);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(StorePath() + ".unreadable-"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);

    const std::string aside = said.substr(said.find(StorePath() + ".unreadable-"));
    std::ifstream kept(aside.substr(0, aside.find(' ')), std::ios::binary);
    std::stringstream keptText;
    keptText << kept.rdbuf();
    EXPECT_EQ(keptText.str(), garbage);
    EXPECT_TRUE(registry::ParseStore(StoreText()).has_value());
}

TEST_F(StoreFileTest, ReadOnlyStoreReadsButRefusesWrites)
{
    EXPECT_TRUE(RunUnprivileged([] {
        char home[] = "/tmp/carrowby-readonly-XXXXXX";
        ASSERT_NE(mkdtemp(home), nullptr);
        setenv("XDG_CONFIG_HOME", home, 1);
        RegistryManager settings;
        settings.CompanyName("QZV");
        settings.Application("Carrowby");
        settings.UseAutoAppSubKeys(True);
        ASSERT_EQ(settings.CreateSubKey(), True);
        ASSERT_EQ(settings.WriteValue("UserName", "Carrowby", REG_SZ), True);
        const std::string store = std::string(home) + "/carrowby/registry.reg";

        ASSERT_EQ(chmod(store.c_str(), 0400), 0);
        std::string value;
        EXPECT_EQ(settings.ReadValue("UserName", value), True);
        EXPECT_EQ(value, "Carrowby");
        EXPECT_EQ(settings.DoesKeyExist(), False) << "no full access";
        EXPECT_EQ(settings.WriteValue("UserName", "x", REG_SZ), False);
        settings.Subkey("New");
        EXPECT_EQ(settings.CreateSubKey(), False);
        settings.Subkey("");

        ASSERT_EQ(chmod(store.c_str(), 0000), 0);
        EXPECT_EQ(settings.ReadValue("UserName", value), False);
        EXPECT_EQ(value, std::string(255, ' ')) << "the key cannot be opened";
        HKEY root{};
        EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_READ, &root), ERROR_SUCCESS);

        ASSERT_EQ(chmod(store.c_str(), 0600), 0);
        const std::string folder = std::string(home) + "/carrowby";
        ASSERT_EQ(chmod(folder.c_str(), 0500), 0);
        EXPECT_EQ(settings.WriteValue("UserName", "x", REG_SZ), False) << "folder not writable";
        EXPECT_EQ(settings.ReadValue("UserName", value), True);
        chmod(folder.c_str(), 0700);
        std::error_code ignored;
        std::filesystem::remove_all(home, ignored);
    }));
}

TEST_F(StoreFileTest, TwoWritersAtOnceLoseNothing)
{
    constexpr int Writes = 150;
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = fork();
        if (writers[w] == 0) {
            RegistryManager settings = Settings();
            settings.CreateSubKey();
            for (int i = 0; i < Writes; ++i) {
                const std::string name = std::string(1, char('a' + w)) + std::to_string(i);
                if (settings.WriteValue(name, std::to_string(i), REG_SZ) != True)
                    _exit(1);
            }
            _exit(0);
        }
    }
    // Meanwhile the file always parses.
    int parsed = 0;
    for (bool running = true; running;) {
        running = false;
        for (pid_t writer : writers)
            running = running || waitpid(writer, nullptr, WNOHANG) == 0;
        const std::string text = StoreText();
        if (!text.empty()) {
            ASSERT_TRUE(registry::ParseStore(text).has_value()) << text;
            ++parsed;
        }
    }
    EXPECT_GT(parsed, 0);
    RegistryManager settings = Settings();
    for (int w = 0; w < 2; ++w) {
        for (int i = 0; i < Writes; ++i) {
            const std::string name = std::string(1, char('a' + w)) + std::to_string(i);
            EXPECT_EQ(ReadValue(settings, name), std::to_string(i)) << name;
        }
    }
}

TEST_F(StoreFileTest, AWriterKilledAtAnyMomentLeavesAWholeFile)
{
    std::mt19937 chance(std::random_device{}());
    int written = 0; // values confirmed by earlier writers, all of which must survive
    for (int round = 0; round < 15; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t writer = fork();
        if (writer == 0) {
            close(pipeEnds[0]);
            RegistryManager settings = Settings();
            settings.CreateSubKey();
            for (int i = written;; ++i) {
                if (settings.WriteValue("v" + std::to_string(i), std::to_string(i), REG_SZ) ==
                    True) {
                    if (write(pipeEnds[1], &i, sizeof i) != sizeof i)
                        _exit(1);
                }
            }
        }
        close(pipeEnds[1]);
        // Once the writer is under way, kill it at a random moment.
        int confirmed;
        if (read(pipeEnds[0], &confirmed, sizeof confirmed) == sizeof confirmed)
            written = confirmed + 1;
        std::this_thread::sleep_for(std::chrono::microseconds(chance() % 20000));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        while (read(pipeEnds[0], &confirmed, sizeof confirmed) == sizeof confirmed)
            written = confirmed + 1;
        close(pipeEnds[0]);

        ASSERT_TRUE(registry::ParseStore(StoreText()).has_value()) << "round " << round;
        RegistryManager settings = Settings();
        for (int i = 0; i < written; ++i)
            ASSERT_EQ(ReadValue(settings, "v" + std::to_string(i)), std::to_string(i))
                << "round " << round;
    }
    EXPECT_GT(written, 0);
}
