#include "ResultsFile.h"

#include "toolkit/UserFiles.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace results {

namespace {

bool Exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

} // namespace

std::string DefaultResultsPath()
{
    const std::string data = toolkit::UserFolder("XDG_DATA_HOME", ".local/share");
    return data.empty() ? data : data + "/carrowby/results.sqlite";
}

int MakeResultsFile(const std::string& path)
{
    if (!toolkit::MakePrivateFolders(path.substr(0, path.find_last_of('/'))))
        return errno;
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
    const std::string aside = toolkit::PathAside(path);
    if (std::rename(path.c_str(), aside.c_str()) != 0)
        return {};
    for (const char* companion : {"-wal", "-shm"})
        std::rename((path + companion).c_str(), (aside + companion).c_str());
    return aside;
}

} // namespace results
