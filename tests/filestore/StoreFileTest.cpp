// The store file: where it lives, files it cannot read whole, faults, modes, other writers.

#include "registry/filestore/StoreFile.h"
#include "registry/filestore/FolderLock.h"
#include "registry/filestore/StoreCalls.h"
#include "settings/Children.h"
#include "support/RegistrySandbox.h"

#include <csignal>
#include <pwd.h>
#include <random>
#include <regex>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class StoreFileTest : public RegistrySandbox
{
  protected:
    std::string Path() const { return m_folder + "/carrowby/registry.reg"; }
    std::string Read(const std::string& name) { return RegistrySandbox::Read(settings, name); }
    static long Files(const fs::path& in) { return std::distance(fs::directory_iterator(in), {}); }
    long Files() const { return Files(Folder()); }
    std::string Folder() const { return m_folder + "/carrowby"; }

    RegistryManager settings = AppKey("QZV", "Carrowby");
};

} // namespace

TEST_F(StoreFileTest, LivesPrivatelyInTheUsersConfigFolder)
{
    EXPECT_EQ(registry::StoreFile::DefaultPath(), Path());
    EXPECT_EQ(settings.DoesKeyExist(), False);
    EXPECT_FALSE(fs::exists(Path())) << "reading creates nothing";
    EXPECT_EQ(settings.CreateSubKey(), True);
    const auto privately = [&](const char* when) {
        EXPECT_EQ(fs::status(Folder()).permissions(), fs::perms(0700)) << when;
        EXPECT_EQ(fs::status(Path()).permissions(), fs::perms(0600)) << when;
    };
    privately("made");
    chmod(Folder().c_str(), 0755), chmod(Path().c_str(), 0644); // as an editor may leave them
    EXPECT_EQ(settings.WriteValue("Name", "Maisie", REG_SZ), True);
    privately("written again, a child's name in it");
    const long open = Files("/proc/self/fd");
    for (int i = 0; i < 50; ++i)
        Read("UserName");
    EXPECT_EQ(Files("/proc/self/fd"), open) << "no file is left open";
    EXPECT_EQ(settings.CreateSubKey() + settings.DoesKeyExist(), True);
    EXPECT_EQ(registry::OpenKeys(), 0u) << "nor a key";
    EXPECT_EQ(settings.WriteValue("two\nlines", "x", REG_SZ), False) << "a name no line holds";
    const std::string home = std::getenv("HOME");
    setenv("XDG_CONFIG_HOME", "relative", 1), setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(registry::StoreFile::DefaultPath(), "/home/someone/.config/carrowby/registry.reg");
    // Then the user's home, never the current folder; none for a user the system has no entry
    // for (run so again as such a user).
    const passwd* user = getpwuid(getuid());
    for (const bool set : {true, false}) {
        set ? setenv("HOME", "relative", 1) : unsetenv("HOME");
        EXPECT_EQ(registry::StoreFile::DefaultPath(),
                  user ? user->pw_dir + std::string("/.config/carrowby/registry.reg") : "");
    }
    setenv("HOME", home.c_str(), 1);
}

// No export: moved aside. A line not read, or a comment: values kept, a copy kept before a rewrite.
TEST_F(StoreFileTest, FilesThatCannotBeReadWholeAreKept)
{
    using Row = std::tuple<std::string, std::string, Bool16, Bool16>; // read, written, created
    const Row rows[] = {
        {"not a store \x01\xff\n[[[", std::string(255, ' '), False, True},
        {"Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby]"
         "\r\n\"UserName\"=\"Ada\" \r\n\"chk7\"=\" 1\r\n",
         "Ada", True, False},
        {"; mine\nREGEDIT4\n[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby]\n\"UserName\"=\"Ada\"\n",
         "Ada", True, False},
    };
    ASSERT_EQ(settings.CreateSubKey(), True);
    for (const auto& [text, userName, written, created] : rows) {
        std::ofstream(Path(), std::ios::binary) << text;
        testing::internal::CaptureStderr();
        EXPECT_EQ((std::tuple{Read("UserName"), FileText(Path()),
                              settings.WriteValue("chk7", " 0", REG_SZ), settings.CreateSubKey()}),
                  std::tuple(userName, text, written, created));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(said.find(" cannot be read and is skipped") != std::string::npos,
                  text.find("1\r\n") != std::string::npos)
            << "a line not read is named: " << said;
        const std::string aside = said.substr(said.find(Path() + ".unreadable-"));
        const std::string copy = aside.substr(0, aside.find_first_of(" \n"));
        EXPECT_EQ(FileText(copy), text) << said;
        EXPECT_TRUE(written != True || fs::status(copy).permissions() == fs::perms(0600))
            << "a copy written beside it is as private as the store";
        EXPECT_TRUE(std::regex_search(aside, std::regex("unreadable-[0-9]{8}-[0-9]{6}"))) << said;
    }
    EXPECT_EQ(Read("UserName") + Read("chk7") + std::to_string(Files()), "Ada 04");
}

// A failing read, write, lock or flush fails the call and changes nothing, a slow one none; a lock
// not to be had is told before any write; a planted link is unused; out of reach, the true reason.
TEST_F(StoreFileTest, FaultsFailTheCallAndChangeNothing)
{
    settings.CreateSubKey();
    ASSERT_EQ(settings.WriteValue("UserName", "Ada", REG_SZ), True);
    const std::string before = FileText(Path());
    const registry::StoreCalls real = registry::Calls();
    static const auto fails = [](int error) { return errno = error, -1; };
    // clang-format off
    const std::tuple<registry::StoreCalls, const char*, std::string> rows[] = {
        {{[](auto...) -> ssize_t { return fails(EIO); }, real.flock, real.fsync, real.write},
         "Input/output error", std::string(255, ' ')},
        {{real.read, [](int, int) { return fails(ENOLCK); }, real.fsync, real.write},
         "No locks available", std::string(255, ' ')},
        {{real.read, real.flock, [](int) { return fails(ENOSPC); }, real.write},
         "No space left on device", "Ada"},
        {{real.read, real.flock, real.fsync, [](auto...) -> ssize_t { return fails(EDQUOT); }},
         "Disk quota exceeded", "Ada"},
    };
    // clang-format on
    for (const auto& [calls, why, read] : rows) {
        registry::Calls() = calls;
        EXPECT_EQ(registry::StoreFile(Path()).CanWrite(), calls.flock == real.flock) << why;
        EXPECT_EQ(settings.WriteValue("UserName", "Bo", REG_SZ), False) << why;
        EXPECT_EQ(settings.CreateSubKey() + settings.DoesKeyExist(), read == "Ada" ? True : False);
        EXPECT_EQ(registry::StoreFile::LastFailure(), why);
        EXPECT_EQ(Read("UserName"), read);
        registry::Calls() = real;
        EXPECT_EQ(FileText(Path()) + std::to_string(Files()), before + "1") << why;
    }
    static bool interrupted = false; // a slow disk: every other call interrupted, 3 bytes a time
    static const auto slow = [](auto call, int fd, auto at) {
        return (interrupted = !interrupted) ? fails(EINTR) : call(fd, at, 3);
    };
    registry::Calls().read = [](int fd, void* at, size_t) { return slow(read, fd, at); };
    registry::Calls().write = [](int fd, const void* at, size_t) { return slow(write, fd, at); };
    EXPECT_EQ(settings.WriteValue("UserName", "Bo \"Jo\" Ada", REG_SZ), True);
    EXPECT_EQ(Read("UserName"), "Bo \"Jo\" Ada");
    registry::Calls() = real;
    EXPECT_EQ(Read("UserName"), "Bo \"Jo\" Ada");
    if (fork() == 0) { // a call that fails at exit, once thread-locals are destroyed, says why
        registry::Calls().flock = [](int, int) { return fails(ENOLCK); };
        std::atexit([] {
            _exit((Saved("x"), registry::StoreFile::LastFailure()) != "No locks available");
        });
        std::exit(2);
    }
    int status = -1;
    EXPECT_TRUE(wait(&status) > 0 && status == 0) << "exit status " << status;
    std::ofstream(m_folder + "/elsewhere") << "mine";
    ASSERT_EQ(symlink("../elsewhere", (Folder() + "/.registry.reg.new-dead00").c_str()), 0);
    EXPECT_EQ(settings.WriteValue("UserName", "Bo", REG_SZ), True);
    EXPECT_EQ(FileText(m_folder + "/elsewhere") + std::to_string(Files()), "mine1");
    std::string tooLong = m_folder; // out of reach: the true reason, and no folder made on the way
    while (tooLong.size() <= PATH_MAX)
        tooLong += "/" + std::string(200, 'd');
    for (const auto& [config, why] :
         {std::pair{Path(), "Not a directory"}, {tooLong, "File name too long"}}) {
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        EXPECT_EQ(settings.CreateSubKey(), False) << why;
        EXPECT_EQ(registry::StoreFile::LastFailure(), why);
    }
    EXPECT_EQ(Files(m_folder), 2);
}

// Pipes, devices and huge files are no store and never read; a link stays, and its file's mode.
TEST_F(StoreFileTest, OnlyARegularFileIsReadAndALinkStays)
{
    settings.CreateSubKey();
    const std::string pipe = m_folder + "/pipe", big = m_folder + "/big";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::ofstream{big}, fs::resize_file(big, 65 << 20);
    for (const std::string& notAStore : {pipe, std::string("/dev/zero"), big}) {
        fs::remove(Path()), fs::create_symlink(notAStore, Path());
        EXPECT_EQ(settings.WriteValue("UserName", "Bo", REG_SZ), False) << notAStore;
        EXPECT_EQ(registry::StoreFile(Path()).WhyUnreadable(),
                  notAStore == big ? "larger than 64 MiB" : "not a regular file");
    }
    const registry::StoreCalls real = registry::Calls();
    for (const std::string text : {"", "not an export"}) {
        std::ofstream(m_folder + "/target") << text;
        chmod((m_folder + "/target").c_str(), 0644);
        fs::remove(Path()); // a link's target relative to its folder, or absolute
        fs::create_symlink(text.empty() ? "../target" : m_folder + "/target", Path());
        registry::Calls().fsync = [](int) { return errno = ENOSPC, -1; };
        EXPECT_EQ(settings.CreateSubKey(), False);
        registry::Calls() = real;
        EXPECT_EQ(Files(), 1) << "no copy beside a failed save";
        EXPECT_EQ(settings.CreateSubKey() + settings.WriteValue("UserName", "Bo", REG_SZ),
                  2 * True);
        EXPECT_EQ(Read("UserName") + std::to_string(fs::is_symlink(Path())), "Bo1");
        EXPECT_EQ(fs::status(m_folder + "/target").permissions(), fs::perms(0600))
            << "narrowed to the user: children's names are kept there";
        EXPECT_EQ(Files(), text.empty() ? 1 : 2) << "a copy of what was no export";
    }
}

TEST_F(StoreFileTest, FilePermissionsDecideWhatMayBeDone)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file modes do not bind root: this runs as nobody by its own entry";
    ASSERT_EQ(settings.CreateSubKey(), True);
    ASSERT_EQ(settings.WriteValue("UserName", "Carrowby", REG_SZ), True);
    ASSERT_TRUE(settings::KeepChild(settings, {"Ada", "Ada's Carrowby"}));
    const registry::StoreFile store(Path());
    const std::shared_ptr<void> restore(nullptr, [this](void*) { // also when an assertion fails
        chmod(Folder().c_str(), 0700), chmod(Path().c_str(), 0600);
    });
    ASSERT_EQ(chmod(Path().c_str(), 0400), 0);
    EXPECT_EQ(Read("UserName"), "Carrowby");
    EXPECT_EQ(settings.DoesKeyExist(), False) << "no full access";
    EXPECT_EQ(settings::LoadChildren(settings).size(), 1u) << "the children may be read";
    EXPECT_EQ(settings.WriteValue("UserName", "x", REG_SZ), False);
    EXPECT_EQ(settings.SetupProgramType("Carrowby.Drill", "Drill", "icon", "open", "play"), False);
    EXPECT_EQ(store.WhyUnreadable(), std::nullopt);
    EXPECT_EQ(store.WhyUnwritable(), "Permission denied");
    ASSERT_EQ(chmod(Path().c_str(), 0000), 0);
    EXPECT_EQ(Read("UserName"), std::string(255, ' ')) << "the key cannot be opened";
    EXPECT_EQ(store.WhyUnreadable(), "Permission denied");
    ASSERT_EQ(chmod(Path().c_str(), 0600) + chmod(Folder().c_str(), 0500), 0);
    EXPECT_EQ(settings.WriteValue("UserName", "x", REG_SZ), False) << "folder not writable";
    EXPECT_EQ(registry::StoreFile(Folder() + "/a/b/c.reg").WhyUnwritable(), "Permission denied");
    EXPECT_EQ(Read("UserName"), "Carrowby");
    ASSERT_EQ(chmod(Folder().c_str(), 0700), 0); // a link from there into a writable folder
    fs::create_directory(m_folder + "/dotfiles");
    fs::rename(Path(), m_folder + "/dotfiles/carrowby.reg");
    fs::create_symlink("../dotfiles/carrowby.reg", Path());
    ASSERT_EQ(chmod(Folder().c_str(), 0500), 0);
    EXPECT_EQ(settings.WriteValue("UserName", "x", REG_SZ), True) << "what the link leads to is";
}

// Two writers, one killed at random (the seed replays it): one transaction's values, none lost.
TEST_F(StoreFileTest, WritersAtOnceOrKilledMidWriteLoseNothing)
{
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    settings.CreateSubKey();
    int confirmations[2];
    ASSERT_EQ(pipe(confirmations), 0);
    pid_t writers[2];
    for (int w : {0, 1}) // the first writes 30 rounds, the second confirms each until killed
        if ((writers[w] = fork()) == 0) {
            for (int round = 0; round < 30 || w; ++round) {
                const std::string name = std::to_string(w) + "-" + std::to_string(round);
                RegistryManager::Transaction whole(RegistryManager::Transaction::Writing);
                for (int i = 0; i < 10; ++i)
                    settings.WriteValue(std::to_string(i), name, REG_SZ);
                if (settings.WriteValue(name, "x", REG_SZ) != True || !whole.Commit() ||
                    (w && write(confirmations[1], &round, sizeof round) != sizeof round))
                    _exit(1);
            }
            _exit(0);
        }
    close(confirmations[1]);
    const std::shared_ptr<void> reap(nullptr, [&](void*) { // also when an assertion fails
        for (pid_t writer : writers)
            if (writer > 0)
                kill(writer, SIGKILL), waitpid(writer, nullptr, 0);
    });
    const auto killAt = std::chrono::steady_clock::now() +
                        std::chrono::microseconds(1000 + std::mt19937(seed)() % 20000);
    int status = 0;
    while (waitpid(writers[0], &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > killAt)
            kill(writers[1], SIGKILL);
        const RegistryManager::Transaction snapshot(RegistryManager::Transaction::Reading);
        std::set<std::string> values;
        for (int i = 0; i < 10; ++i)
            values.insert(Read(std::to_string(i)));
        ASSERT_EQ(values.size(), 1u) << *values.begin() << " with " << *values.rbegin();
    }
    writers[0] = 0; // reaped
    EXPECT_EQ(status, 0);
    kill(writers[1], SIGKILL);
    int confirmed = -1;
    for (int round; read(confirmations[0], &round, sizeof round) == sizeof round;)
        confirmed = round;
    close(confirmations[0]);
    for (const auto& [writer, last] : {std::pair("0-", 29), {"1-", confirmed}}) // all confirmed
        for (int round = 0; round <= last; ++round)
            ASSERT_EQ(Read(writer + std::to_string(round)), "x") << writer << round;
    EXPECT_EQ(settings.WriteValue("after", "x", REG_SZ), True);
    EXPECT_EQ(Files(), 1) << "no temporary file is left";
    fs::remove_all(Folder()); // as on a first save, its folder still to be made
    const RegistryManager::Transaction whole(RegistryManager::Transaction::Writing);
    EXPECT_EQ(registry::FolderLock(Folder(), LOCK_EX | LOCK_NB).Error(), EWOULDBLOCK)
        << "another writer is kept out while a transaction is open";
}
