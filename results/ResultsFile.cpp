#include "ResultsFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace results {

namespace {

bool Exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

int MakeFolders(const std::string& folder)
{
    if (folder.empty() || Exists(folder))
        return 0;
    const size_t slash = folder.find_last_of('/');
    if (slash != std::string::npos && slash > 0)
        if (const int error = MakeFolders(folder.substr(0, slash)))
            return error;
    return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

} // namespace

std::string DefaultResultsPath()
{
    std::string data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        data = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home == '/')
        data = std::string(home) + "/.local/share";
    else if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && *user->pw_dir == '/')
        data = std::string(user->pw_dir) + "/.local/share";
    else
        return {};
    return data + "/carrowby/results.sqlite";
}

int MakeResultsFile(const std::string& path)
{
    if (const int error = MakeFolders(path.substr(0, path.find_last_of('/'))))
        return error;
    if (Exists(path))
        return 0;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    close(fd);
    return 0;
}

std::string SetAside(const std::string& path)
{
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    std::string aside = path + ".unreadable-" + stamp;
    for (int n = 2; Exists(aside); ++n)
        aside = path + ".unreadable-" + stamp + "-" + std::to_string(n);
    if (std::rename(path.c_str(), aside.c_str()) != 0)
        return {};
    for (const char* companion : {"-wal", "-shm"})
        std::rename((path + companion).c_str(), (aside + companion).c_str());
    return aside;
}

} // namespace results
