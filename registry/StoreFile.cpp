#include "StoreFile.h"

#include "StoreFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace registry {

StoreCalls& Calls()
{
    static StoreCalls calls{::read, ::flock, ::fsync};
    return calls;
}

namespace {

thread_local std::string lastFailure;

// Why a store cannot be read where no system error says it: it is a pipe or a device (an
// endless one, say), or larger than any real store.
constexpr int NotAFile = -1, TooLarge = -2;
constexpr size_t LargestStore = 64 << 20;

std::string Reason(int error)
{
    if (error == NotAFile)
        return "not a regular file";
    if (error == TooLarge)
        return "larger than " + std::to_string(LargestStore >> 20) + " MiB";
    return std::strerror(error);
}

// Keeps why a call fails, for LastFailure; always false.
bool Fail(const std::string& why)
{
    lastFailure = why;
    return false;
}

bool Fail(int error)
{
    return Fail(Reason(error));
}

bool Allowed(const std::string& path, int mode)
{
    return faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

bool Exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, std::max<size_t>(slash, 1));
}

// Creates folder and the folders above it, private to the user.
bool MakeFolders(const std::string& folder)
{
    if (folder.empty() || Exists(folder))
        return true;
    const size_t slash = folder.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(folder.substr(0, slash)))
        return false;
    return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// Holds flock on a folder for as long as it lives, when it could be taken.
class FolderLock
{
  public:
    FolderLock(const std::string& folder, int operation)
        : m_fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        int result = -1;
        if (m_fd >= 0) {
            while ((result = Calls().flock(m_fd, operation)) != 0 && errno == EINTR) {
            }
        }
        m_error = result == 0 ? 0 : errno;
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // 0 while the lock is held, else why it could not be taken.
    int Error() const { return m_error; }

  private:
    int m_fd;
    int m_error = 0;
};

// Reads the whole file into text; 0, or why it could not be read (ENOENT: there is none).
// Only a regular file is read, and never waited for.
int ReadWhole(const std::string& path, std::string& text)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    struct stat info;
    int error = fstat(fd, &info) != 0                              ? errno
                : !S_ISREG(info.st_mode)                           ? NotAFile
                : static_cast<size_t>(info.st_size) > LargestStore ? TooLarge
                                                                   : 0;
    char buffer[65536];
    while (error == 0) {
        const ssize_t count = Calls().read(fd, buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            error = errno == EINTR ? 0 : errno;
            continue;
        }
        text.append(buffer, static_cast<size_t>(count));
        if (text.size() > LargestStore)
            error = TooLarge;
    }
    close(fd);
    return error;
}

bool WriteWhole(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t count = write(fd, text.data() + done, text.size() - done);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(count);
    }
    return true;
}

// Writes text into the open file fd, flushes it to the disk and closes it.
bool WriteDurably(int fd, const std::string& text)
{
    const bool written = WriteWhole(fd, text) && Calls().fsync(fd) == 0;
    const int error = errno;
    return (close(fd) == 0 && written) || Fail(written ? errno : error);
}

// Names the lines of a file that could not be read, once for each text of the file: every
// call reads the file anew, and the same lines need saying only once.
void ReportSkipped(const std::string& path, std::string_view text,
                   const std::vector<SkippedLine>& skipped)
{
    static std::mutex mutex;
    static size_t reported = 0;
    const size_t hash = std::hash<std::string_view>()(text);
    const std::lock_guard lock(mutex);
    if (skipped.empty() || hash == reported)
        return;
    reported = hash;
    for (const SkippedLine& line : skipped)
        std::fprintf(stderr, "carrowby: %s: line %d cannot be read and is skipped%s\n",
                     path.c_str(), line.number, line.keyLine ? ", with the values under it" : "");
}

} // namespace

struct StoreTransaction::State
{
    bool writing;
    StoreFile file;
    std::optional<FolderLock> lock;
    std::optional<StoreFile::Loaded> loaded;
    bool changed = false;
    State* outer;
};

namespace {
thread_local StoreTransaction::State* current = nullptr;
}

StoreTransaction::State* StoreTransaction::Current(const std::string& path)
{
    return current && current->file.m_path == path ? current : nullptr;
}

StoreFile::StoreFile(std::string path) : m_path(std::move(path)) {}

std::string StoreFile::DefaultPath()
{
    std::string config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        config = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home == '/')
        config = std::string(home) + "/.config";
    else if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && *user->pw_dir)
        config = std::string(user->pw_dir) + "/.config"; // the user's home, as Qt finds it
    else
        return {};
    return config + "/carrowby/registry.reg";
}

std::string StoreFile::Folder() const
{
    return FolderOf(m_path);
}

bool StoreFile::CanRead() const
{
    if (m_path.empty())
        return false;
    if (Exists(m_path))
        return Allowed(m_path, R_OK);
    return !Exists(Folder()) || Allowed(Folder(), R_OK | X_OK);
}

std::optional<std::string> StoreFile::WhyUnreadable() const
{
    std::string text;
    const int error = ReadWhole(m_path, text);
    if (error != 0 && error != ENOENT)
        return Reason(error);
    return CanRead() ? std::nullopt : std::optional<std::string>(std::strerror(EACCES));
}

std::string StoreFile::LastFailure()
{
    return lastFailure;
}

bool StoreFile::CanWrite() const
{
    return !WhyUnwritable();
}

std::optional<std::string> StoreFile::WhyUnwritable() const
{
    if (m_path.empty())
        return std::strerror(ENOENT);
    // A missing folder is created on the first write, where the folders above allow it.
    // A write replaces the file a link leads to, in that file's folder.
    const std::string target = WriteTarget();
    std::string folder = FolderOf(target);
    while (!Exists(folder)) {
        const size_t slash = folder.find_last_of('/');
        if (slash == std::string::npos || slash == 0)
            return std::nullopt;
        folder.resize(slash);
    }
    if (!Allowed(folder, W_OK | X_OK) || (Exists(target) && !Allowed(target, R_OK | W_OK)))
        return std::strerror(errno);
    return std::nullopt;
}

std::string StoreFile::PathAside() const
{
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    std::string aside = m_path + ".unreadable-" + stamp;
    for (int n = 2; Exists(aside); ++n)
        aside = m_path + ".unreadable-" + stamp + "-" + std::to_string(n);
    return aside;
}

std::optional<StoreFile::Loaded> StoreFile::Load(bool mayMoveAside) const
{
    Loaded loaded;
    if (const int error = ReadWhole(m_path, loaded.text)) {
        if (error != ENOENT)
            return Fail(error), std::nullopt;
        return Loaded{};
    }
    auto parsed = ParseStore(loaded.text);
    if (!parsed) {
        if (!mayMoveAside || loaded.text.empty())
            return Loaded{}; // read as empty; the next write moves it aside
        struct stat link;
        if (lstat(m_path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
            loaded.notKept = true; // the link stays: a copy of what it leads to is kept
            return loaded;
        }
        const std::string aside = PathAside();
        if (std::rename(m_path.c_str(), aside.c_str()) != 0)
            return Fail(errno), std::nullopt;
        std::fprintf(stderr,
                     "carrowby: the settings store %s could not be read; it was moved to %s and "
                     "a new one is started\n",
                     m_path.c_str(), aside.c_str());
        return Loaded{};
    }
    loaded.tree = std::move(parsed->tree);
    loaded.notKept = !parsed->skipped.empty() || parsed->commented;
    ReportSkipped(m_path, loaded.text, parsed->skipped);
    return loaded;
}

std::string StoreFile::WriteTarget() const
{
    std::string path = m_path;
    for (int links = 0; links < 40; ++links) {
        char target[4096];
        const ssize_t length = readlink(path.c_str(), target, sizeof target);
        if (length <= 0 || length == sizeof target)
            break;
        const std::string to(target, static_cast<size_t>(length));
        path = to.front() == '/' ? to : path.substr(0, path.find_last_of('/') + 1) + to;
    }
    return path;
}

namespace {

// Temporary files are made beside the file they replace, under its name and a suffix.
std::string TemporaryPrefix(const std::string& path)
{
    return "." + path.substr(path.find_last_of('/') + 1) + ".new-";
}

// A temporary file found under the exclusive lock was left by a writer that died.
void RemoveLeftovers(const std::string& path)
{
    DIR* folder = opendir(FolderOf(path).c_str());
    if (!folder)
        return;
    const std::string prefix = TemporaryPrefix(path);
    while (const dirent* entry = readdir(folder)) {
        if (std::string_view(entry->d_name).starts_with(prefix))
            unlinkat(dirfd(folder), entry->d_name, 0);
    }
    closedir(folder);
}

// Replaces the file at path by text: written beside it, flushed, renamed over it, and its
// folder flushed.
bool ReplaceDurably(const std::string& path, const std::string& text)
{
    // Created new and exclusively, under a name of its own: never through a planted link.
    std::string temporary = FolderOf(path) + "/" + TemporaryPrefix(path) + "XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return Fail(errno);
    if (struct stat old; stat(path.c_str(), &old) == 0)
        fchmod(fd, old.st_mode & 07777); // the file keeps the mode it was given
    if (!WriteDurably(fd, text) ||
        (std::rename(temporary.c_str(), path.c_str()) != 0 && !Fail(errno))) {
        unlink(temporary.c_str());
        return false;
    }
    const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool flushed = folder >= 0 && Calls().fsync(folder) == 0;
    const int error = errno;
    if (folder >= 0)
        close(folder);
    return flushed || Fail(error);
}

} // namespace

bool StoreFile::Replace(const Loaded& loaded) const
{
    const std::string target = WriteTarget();
    RemoveLeftovers(target);
    if (!loaded.notKept)
        return ReplaceDurably(target, SerializeStore(loaded.tree));
    // The copy stays only beside a replacement that is in place: a save that fails leaves the
    // file as it was, and nothing more.
    const std::string aside = PathAside();
    const int fd = open(aside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return Fail(errno);
    if (!WriteDurably(fd, loaded.text) || !ReplaceDurably(target, SerializeStore(loaded.tree))) {
        unlink(aside.c_str());
        return false;
    }
    std::fprintf(stderr, "carrowby: %s keeps a copy of the settings store as it was\n",
                 aside.c_str());
    return true;
}

bool StoreFile::Read(const std::function<void(const RegistryTree&)>& work) const
{
    if (!CanRead())
        return Fail(EACCES);
    if (StoreTransaction::State* batch = StoreTransaction::Current(m_path);
        batch && batch->loaded) {
        work(batch->loaded->tree);
        return true;
    }
    if (!Exists(Folder())) {
        work(RegistryTree{});
        return true;
    }
    // Files are replaced whole, so a read needs no lock to see a whole one.
    FolderLock lock(Folder(), LOCK_SH);
    const auto loaded = Load(false);
    if (!loaded)
        return false;
    work(loaded->tree);
    return true;
}

bool StoreFile::Modify(const std::function<bool(RegistryTree&)>& work) const
{
    if (!CanRead())
        return Fail(EACCES);
    if (const auto why = WhyUnwritable()) // a read-only mount, say, and not only modes
        return Fail(*why);
    if (StoreTransaction::State* batch = StoreTransaction::Current(m_path)) {
        if (batch->writing && batch->loaded) {
            batch->changed = work(batch->loaded->tree) || batch->changed;
            return true;
        }
        batch->loaded.reset(); // what was read before is no longer the file
    }
    if (!MakeFolders(Folder()))
        return Fail(errno);
    FolderLock lock(Folder(), LOCK_EX);
    if (lock.Error())
        return Fail(lock.Error());
    auto loaded = Load(true);
    if (!loaded)
        return false;
    return !work(loaded->tree) || Replace(*loaded);
}

StoreTransaction::StoreTransaction(Kind kind, const std::string& path)
    : m_state(new State{kind == Writing, StoreFile(path), {}, {}, false, current})
{
    const StoreFile& file = m_state->file;
    if (Current(path) || !file.CanRead())
        return; // within another on the same store, it is part of that one

    if (kind == Reading) {
        m_state->loaded = Exists(file.Folder()) ? file.Load(false) : StoreFile::Loaded{};
    } else if (file.CanWrite() && MakeFolders(file.Folder())) {
        m_state->lock.emplace(file.Folder(), LOCK_EX);
        if (m_state->lock->Error())
            Fail(m_state->lock->Error());
        else
            m_state->loaded = file.Load(true);
        if (!m_state->loaded)
            m_state->lock.reset(); // the calls go on without it, and fail as they would
    }
    current = m_state.get();
}

StoreTransaction::~StoreTransaction()
{
    Commit();
    if (current == m_state.get())
        current = m_state->outer;
}

bool StoreTransaction::Commit()
{
    if (!m_state->writing || !m_state->changed || !m_state->loaded)
        return true;
    m_state->changed = false;
    return m_state->file.Replace(*m_state->loaded);
}

} // namespace registry
