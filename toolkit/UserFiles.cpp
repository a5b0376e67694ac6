#include "UserFiles.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

std::string UserFolder(const char* variable, const char* underHome)
{
    if (const char* folder = std::getenv(variable); folder && *folder == '/')
        return folder;
    if (const char* home = std::getenv("HOME"); home && *home == '/')
        return std::string(home) + "/" + underHome;
    if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && *user->pw_dir == '/')
        return std::string(user->pw_dir) + "/" + underHome; // the user's home, as Qt finds it
    return {};
}

bool MakePrivateFolders(const std::string& folder)
{
    struct stat info;
    if (folder.empty() || stat(folder.c_str(), &info) == 0)
        return true;
    const size_t slash = folder.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakePrivateFolders(folder.substr(0, slash)))
        return false;
    return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

std::string PathAside(const std::string& path)
{
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    std::string aside = path + ".unreadable-" + stamp;
    struct stat info;
    for (int n = 2; stat(aside.c_str(), &info) == 0; ++n)
        aside = path + ".unreadable-" + stamp + "-" + std::to_string(n);
    return aside;
}

} // namespace toolkit
