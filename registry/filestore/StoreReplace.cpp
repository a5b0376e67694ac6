// Replacing the store file whole: a temporary file beside it, flushed, renamed over it and the
// folder flushed, with a copy of what the rewrite drops set aside first.

#include "StoreCalls.h"
#include "StoreFailure.h"
#include "StoreFile.h"
#include "StoreFormat.h"
#include "StorePath.h"
#include "toolkit/Say.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace registry {

namespace {

// Temporary files are made beside the file they replace, under its name and a suffix.
std::string TemporaryPrefix(const std::string& path)
{
    return "." + path.substr(path.find_last_of('/') + 1) + ".new-";
}

// A temporary file found under the exclusive lock was left by a writer that died.
void RemoveLeftovers(const std::string& path)
{
    DIR* folder = opendir(FolderOf(path).c_str());
    if (!folder)
        return;
    const std::string prefix = TemporaryPrefix(path);
    while (const dirent* entry = readdir(folder)) {
        if (std::string_view(entry->d_name).starts_with(prefix))
            unlinkat(dirfd(folder), entry->d_name, 0);
    }
    closedir(folder);
}

bool ReplaceDurably(const std::string& path, const std::string& text)
{
    // Created new and exclusively, under a name of its own: never through a planted link.
    std::string temporary = FolderOf(path) + "/" + TemporaryPrefix(path) + "XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return Fail(errno);
    // The file keeps the mode it was given, narrowed to the user: children's names are kept in
    // it. (Made new, it is 0600.)
    if (struct stat old; stat(path.c_str(), &old) == 0)
        fchmod(fd, old.st_mode & 07700);
    if (!WriteDurably(fd, text) ||
        (std::rename(temporary.c_str(), path.c_str()) != 0 && !Fail(errno))) {
        unlink(temporary.c_str());
        return false;
    }
    const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool flushed = folder >= 0 && Calls().fsync(folder) == 0;
    const int error = errno;
    if (folder >= 0)
        close(folder);
    return flushed || Fail(error);
}

} // namespace

bool StoreFile::Replace(const Loaded& loaded) const
{
    // The store's own folder is the user's alone, as the file is (an editor or a copy may have
    // left it open to others).
    if (struct stat folder; stat(Folder().c_str(), &folder) == 0 && folder.st_uid == geteuid() &&
                            (folder.st_mode & 077))
        chmod(Folder().c_str(), folder.st_mode & 07700);
    const std::string target = WriteTarget();
    RemoveLeftovers(target);
    if (!loaded.notKept)
        return ReplaceDurably(target, SerializeStore(loaded.tree));
    // The copy stays only beside a replacement that is in place: a save that fails leaves the
    // file as it was, and nothing more.
    const std::string aside = PathAside();
    const int fd = open(aside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return Fail(errno);
    if (!WriteDurably(fd, loaded.text) || !ReplaceDurably(target, SerializeStore(loaded.tree))) {
        unlink(aside.c_str());
        return false;
    }
    toolkit::Say(aside + " keeps a copy of the settings store as it was");
    return true;
}

} // namespace registry
