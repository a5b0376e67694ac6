#include "ResultsFile.h"

#include "toolkit/UserFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
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

// Each name in the file's folder that begins as a copy set aside does, with its path; false,
// with errno set, where the folder cannot be read, which is no fault where it is missing.
bool ForEachAside(const std::string& path,
                  const std::function<void(std::string_view, std::string)>& take)
{
    const std::string folder = FolderOf(path);
    const std::string prefix = path.substr(folder.size() + 1) + ".unreadable-";
    DIR* entries = opendir(folder.c_str());
    if (!entries)
        return errno == ENOENT;
    while (const dirent* entry = readdir(entries))
        if (const std::string_view name = entry->d_name; name.starts_with(prefix))
            take(name, folder + "/" + entry->d_name);
    closedir(entries);
    return true;
}

bool ForgetSetAside(const std::string& path)
{
    bool all = true;
    int error = 0;
    const bool listed = ForEachAside(path, [&](std::string_view, const std::string& aside) {
        if (unlink(aside.c_str()) != 0)
            all = false, error = errno;
    });
    errno = error ? error : errno;
    return listed && all;
}

std::vector<CopySetAside> CopiesSetAside(const std::string& path)
{
    std::vector<CopySetAside> copies;
    ForEachAside(path, [&](std::string_view name, std::string aside) {
        if (!name.ends_with("-wal") && !name.ends_with("-shm"))
            copies.push_back({std::move(aside)});
    });
    std::ranges::sort(copies, {}, &CopySetAside::path); // named by the time they were set aside
    return copies;
}

std::string UnwrittenPath(const std::string& path)
{
    return path + ".unwritten";
}

} // namespace results
