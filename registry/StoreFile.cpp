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

// Keeps why a call fails, for LastFailure; always false.
bool Fail(int error)
{
    lastFailure = std::strerror(error);
    return false;
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
        int result = m_fd < 0 ? -1 : 0;
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

    int Descriptor() const { return m_fd; }
    // 0 while the lock is held, else why it could not be taken.
    int Error() const { return m_error; }

  private:
    int m_fd;
    int m_error = 0;
};

// Reads the whole file into text; 0, or why it could not be read (ENOENT: there is none).
int ReadWhole(const std::string& path, std::string& text)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    char buffer[65536];
    ssize_t count;
    int error = 0;
    while ((count = Calls().read(fd, buffer, sizeof buffer)) != 0) {
        if (count < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        text.append(buffer, static_cast<size_t>(count));
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

StoreFile::StoreFile(std::string path) : m_path(std::move(path)) {}

std::string StoreFile::DefaultPath()
{
    std::string config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        config = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        config = std::string(home) + "/.config";
    else if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && *user->pw_dir)
        config = std::string(user->pw_dir) + "/.config"; // the user's home, as Qt finds it
    else
        return {};
    return config + "/carrowby/registry.reg";
}

std::string StoreFile::Folder() const
{
    const size_t slash = m_path.find_last_of('/');
    return slash == std::string::npos ? "." : m_path.substr(0, std::max<size_t>(slash, 1));
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
    int error = ReadWhole(m_path, text);
    if (error == ENOENT || (error == 0 && !CanRead()))
        error = CanRead() ? 0 : EACCES;
    return error ? std::optional<std::string>(std::strerror(error)) : std::nullopt;
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
    std::string folder = Folder();
    while (!Exists(folder)) {
        const size_t slash = folder.find_last_of('/');
        if (slash == std::string::npos || slash == 0)
            return std::nullopt;
        folder.resize(slash);
    }
    if (!Allowed(folder, W_OK | X_OK) || (Exists(m_path) && !Allowed(m_path, R_OK | W_OK)))
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
        if (!mayMoveAside)
            return Loaded{}; // read as empty; the next write moves it aside
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

std::string StoreFile::TemporaryPrefix() const
{
    return "." + m_path.substr(m_path.find_last_of('/') + 1) + ".new-";
}

// A temporary file found under the exclusive lock was left by a writer that died.
void StoreFile::RemoveLeftovers() const
{
    DIR* folder = opendir(Folder().c_str());
    if (!folder)
        return;
    const std::string prefix = TemporaryPrefix();
    while (const dirent* entry = readdir(folder)) {
        if (std::string_view(entry->d_name).starts_with(prefix))
            unlinkat(dirfd(folder), entry->d_name, 0);
    }
    closedir(folder);
}

bool StoreFile::Store(const RegistryTree& tree) const
{
    // Created new and exclusively, under a name of its own: never through a planted link.
    std::string temporary = Folder() + "/" + TemporaryPrefix() + "XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return Fail(errno);
    if (WriteDurably(fd, SerializeStore(tree)) &&
        (std::rename(temporary.c_str(), m_path.c_str()) == 0 || Fail(errno)))
        return true;
    unlink(temporary.c_str());
    return false;
}

bool StoreFile::Read(const std::function<void(const RegistryTree&)>& work) const
{
    if (!CanRead())
        return Fail(EACCES);
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
    if (!CanRead() || !CanWrite())
        return Fail(EACCES);
    if (!MakeFolders(Folder()))
        return Fail(errno);
    FolderLock lock(Folder(), LOCK_EX);
    if (lock.Error())
        return Fail(lock.Error());
    auto loaded = Load(true);
    if (!loaded)
        return false;
    if (!work(loaded->tree))
        return true;
    RemoveLeftovers();
    if (loaded->notKept) {
        const std::string aside = PathAside();
        const int fd = open(aside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0)
            return Fail(errno);
        if (!WriteDurably(fd, loaded->text))
            return false;
        std::fprintf(stderr, "carrowby: %s keeps a copy of the settings store as it was\n",
                     aside.c_str());
    }
    return Store(loaded->tree) && (Calls().fsync(lock.Descriptor()) == 0 || Fail(errno));
}

} // namespace registry
