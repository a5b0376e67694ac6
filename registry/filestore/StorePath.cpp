// Where the store file is: its default path, its folder, where a link leads and the name of a
// copy set aside.

#include "StorePath.h"

#include "StoreFile.h"
#include "toolkit/UserFiles.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace registry {

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

std::string StoreFile::DefaultPath()
{
    const std::string config = toolkit::UserFolder("XDG_CONFIG_HOME", ".config");
    return config.empty() ? config : config + "/carrowby/registry.reg";
}

std::string StoreFile::Folder() const
{
    return FolderOf(m_path);
}

std::string StoreFile::PathAside() const
{
    return toolkit::PathAside(m_path);
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

} // namespace registry
