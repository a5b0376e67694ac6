#include "StoreFile.h"

#include "StoreFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace registry {

namespace {

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

// Holds flock on a folder for as long as it lives.
class FolderLock
{
  public:
    FolderLock(const std::string& folder, int operation)
        : m_fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_fd >= 0) {
            while (flock(m_fd, operation) != 0 && errno == EINTR) {
            }
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    int Descriptor() const { return m_fd; }

  private:
    int m_fd;
};

bool ReadWhole(const std::string& path, std::string& text)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[65536];
    ssize_t count;
    while ((count = read(fd, buffer, sizeof buffer)) != 0) {
        if (count < 0) {
            if (errno == EINTR)
                continue;
            close(fd);
            return false;
        }
        text.append(buffer, static_cast<size_t>(count));
    }
    close(fd);
    return true;
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

// Writes text into the file at path, private to the user, and flushes it to the disk.
bool WriteDurably(const std::string& path, const std::string& text, int flags)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | flags, 0600);
    if (fd < 0)
        return false;
    const bool written = WriteWhole(fd, text) && fsync(fd) == 0;
    return close(fd) == 0 && written;
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
    else
        config = ".config";
    return config + "/carrowby/registry.reg";
}

std::string StoreFile::Folder() const
{
    const size_t slash = m_path.find_last_of('/');
    return slash == std::string::npos ? "." : m_path.substr(0, std::max<size_t>(slash, 1));
}

bool StoreFile::CanRead() const
{
    if (Exists(m_path))
        return Allowed(m_path, R_OK);
    return !Exists(Folder()) || Allowed(Folder(), R_OK | X_OK);
}

std::optional<std::string> StoreFile::WhyUnreadable() const
{
    if (CanRead())
        return std::nullopt;
    const int fd = open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
    const int error = fd < 0 ? errno : EACCES;
    if (fd >= 0)
        close(fd);
    return std::strerror(error);
}

bool StoreFile::CanWrite() const
{
    // A missing folder is created on the first write, where the folders above allow it.
    std::string folder = Folder();
    while (!Exists(folder)) {
        const size_t slash = folder.find_last_of('/');
        if (slash == std::string::npos || slash == 0)
            return true;
        folder.resize(slash);
    }
    if (!Allowed(folder, W_OK | X_OK))
        return false;
    return !Exists(m_path) || Allowed(m_path, R_OK | W_OK);
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

StoreFile::Loaded StoreFile::Load(bool mayMoveAside) const
{
    Loaded loaded;
    if (!ReadWhole(m_path, loaded.text))
        return {};
    auto parsed = ParseStore(loaded.text);
    if (!parsed) {
        const std::string aside = mayMoveAside ? PathAside() : std::string();
        if (mayMoveAside && std::rename(m_path.c_str(), aside.c_str()) == 0)
            std::fprintf(stderr,
                         "carrowby: the settings store %s could not be read; it was "
                         "moved to %s and a new one is started\n",
                         m_path.c_str(), aside.c_str());
        return {};
    }
    loaded.tree = std::move(parsed->tree);
    loaded.skipped = !parsed->skipped.empty();
    ReportSkipped(m_path, loaded.text, parsed->skipped);
    return loaded;
}

bool StoreFile::Store(const RegistryTree& tree) const
{
    // Writers take turns under the folder lock, so one temporary name serves them all, and a
    // writer that died mid-write leaves nothing the next one does not overwrite.
    const std::string temporary = Folder() + "/.registry.reg.new";
    if (!WriteDurably(temporary, SerializeStore(tree), O_TRUNC) ||
        std::rename(temporary.c_str(), m_path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool StoreFile::Read(const std::function<void(const RegistryTree&)>& work) const
{
    if (!CanRead())
        return false;
    if (!Exists(Folder())) {
        work(RegistryTree{});
        return true;
    }
    FolderLock lock(Folder(), LOCK_SH);
    work(Load(false).tree);
    return true;
}

bool StoreFile::Modify(const std::function<bool(RegistryTree&)>& work) const
{
    if (!CanRead() || !CanWrite() || !MakeFolders(Folder()))
        return false;
    FolderLock lock(Folder(), LOCK_EX);
    if (lock.Descriptor() < 0)
        return false;
    Loaded loaded = Load(true);
    if (!work(loaded.tree))
        return true;
    if (loaded.skipped) {
        const std::string aside = PathAside();
        if (!WriteDurably(aside, loaded.text, O_EXCL))
            return false;
        std::fprintf(stderr, "carrowby: %s keeps a copy of the settings store as it was\n",
                     aside.c_str());
    }
    if (!Store(loaded.tree))
        return false;
    fsync(lock.Descriptor());
    return true;
}

} // namespace registry
