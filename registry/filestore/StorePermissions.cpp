// What the file's modes, and the mount, allow this process to do with the store.

#include "StoreCalls.h"
#include "StoreFailure.h"
#include "StoreFile.h"
#include "StorePath.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace registry {

namespace {

bool Allowed(const std::string& path, int mode)
{
    return faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

} // namespace

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

} // namespace registry
