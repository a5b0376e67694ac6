#include "ResultsFile.h"

#include "toolkit/UserFiles.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace results {

namespace {

// Takes from others what they may do with a file or folder of the user's.
void Narrow(const std::string& path)
{
    struct stat info;
    if (stat(path.c_str(), &info) == 0 && info.st_uid == geteuid() && (info.st_mode & 077))
        chmod(path.c_str(), info.st_mode & 0700);
}

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of('/'));
}

} // namespace

std::string DefaultResultsPath()
{
    const std::string data = toolkit::UserFolder("XDG_DATA_HOME", ".local/share");
    return data.empty() ? data : data + "/carrowby/results.sqlite";
}

int MakeResultsFile(const std::string& path)
{
    if (!toolkit::MakePrivateFolders(FolderOf(path)))
        return errno;
    Narrow(FolderOf(path));
    struct stat info;
    if (stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            return S_ISDIR(info.st_mode) ? EISDIR : ENODEV;
        Narrow(path);
        for (const char* companion : {"-wal", "-shm"})
            Narrow(path + companion);
        return 0;
    }
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno == EEXIST ? 0 : errno; // another copy began it at the same moment
    close(fd);
    return 0;
}

std::string SetAside(const std::string& path)
{
    const std::string aside = toolkit::PathAside(path);
    if (std::rename(path.c_str(), aside.c_str()) != 0)
        return {};
    chmod(aside.c_str(), 0600);
    for (const char* companion : {"-wal", "-shm"})
        if (std::rename((path + companion).c_str(), (aside + companion).c_str()) == 0)
            chmod((aside + companion).c_str(), 0600);
    return aside;
}

bool ForgetSetAside(const std::string& path)
{
    const std::string folder = FolderOf(path);
    const std::string prefix = path.substr(folder.size() + 1) + ".unreadable-";
    DIR* entries = opendir(folder.c_str());
    if (!entries)
        return errno == ENOENT;
    bool all = true;
    while (const dirent* entry = readdir(entries))
        if (std::string_view(entry->d_name).starts_with(prefix))
            all = (unlink((folder + "/" + entry->d_name).c_str()) == 0) && all;
    closedir(entries);
    return all;
}

} // namespace results
