// What the file's modes, the mount and the lock allow this process to do with the store.

#include "FolderLock.h"
#include "StoreCalls.h"
#include "StoreFailure.h"
#include "StoreFile.h"
#include "StorePath.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace registry {

namespace {

bool Allowed(const std::string& path, int mode)
{
    return faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

// The folder, or where a folder still to be made would be made: the nearest one above it that
// exists. Empty when none does.
std::string Nearest(std::string folder)
{
    while (!Exists(folder)) {
        const size_t slash = folder.find_last_of('/');
        if (slash == std::string::npos || slash == 0)
            return {};
        folder.resize(slash);
    }
    return folder;
}

} // namespace

bool StoreFile::CanRead() const
{
    if (m_path.empty())
        return errno = ENOENT, false;
    if (Exists(m_path))
        return Allowed(m_path, R_OK);
    if (errno != ENOENT) // a folder on the way is a file, say, or the path is too long
        return false;
    return !Exists(Folder()) || Allowed(Folder(), R_OK | X_OK);
}

std::optional<std::string> StoreFile::WhyUnreadable() const
{
    std::string text;
    const int error = ReadWhole(m_path, text);
    if (error != 0 && error != ENOENT)
        return Reason(error);
    return CanRead() ? std::nullopt : std::optional<std::string>(std::strerror(errno));
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
    const std::string folder = Nearest(FolderOf(target));
    if (folder.empty())
        return std::nullopt;
    if (!Allowed(folder, W_OK | X_OK) || (Exists(target) && !Allowed(target, R_OK | W_OK)))
        return std::strerror(errno);
    // Writers take turns through the lock of the store's folder (held by another, it still
    // works); where it cannot be taken at all (some network mounts), nothing is written.
    const FolderLock lock(Nearest(Folder()), LOCK_EX | LOCK_NB);
    if (lock.Error() != 0 && lock.Error() != EWOULDBLOCK)
        return Reason(lock.Error());
    return std::nullopt;
}

} // namespace registry
