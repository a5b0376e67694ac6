// Reading the store file and changing it, alone or within a transaction.

#include "StoreFile.h"

#include "FolderLock.h"
#include "StoreCalls.h"
#include "StoreFailure.h"
#include "StoreFormat.h"
#include "StorePath.h"
#include "StoreTransaction.h"
#include "toolkit/Say.h"
#include "toolkit/UserFiles.h"

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>

namespace registry {

namespace {

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
        toolkit::Say(path + ": line " + std::to_string(line.number) +
                     " cannot be read and is skipped" +
                     (line.keyLine ? ", with the values under it" : ""));
}

} // namespace

StoreFile::StoreFile(std::string path) : m_path(std::move(path)) {}

std::optional<StoreFile::Loaded> StoreFile::Load(bool mayMoveAside) const
{
    Loaded loaded;
    if (const int error = ReadWhole(m_path, loaded.text)) {
        if (error != ENOENT)
            return Fail(error), std::nullopt;
        return Loaded{};
    }
    auto parsed = ParseStore(loaded.text);
    if (!parsed) {
        if (!mayMoveAside || loaded.text.empty())
            return Loaded{}; // read as empty; the next write moves it aside
        struct stat link;
        if (lstat(m_path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
            loaded.notKept = true; // the link stays: a copy of what it leads to is kept
            return loaded;
        }
        const std::string aside = PathAside();
        if (std::rename(m_path.c_str(), aside.c_str()) != 0)
            return Fail(errno), std::nullopt;
        toolkit::Say("the settings store " + m_path + " could not be read; it was moved to " +
                     aside + " and a new one is started");
        return Loaded{};
    }
    loaded.tree = std::move(parsed->tree);
    loaded.notKept = !parsed->skipped.empty() || parsed->commented;
    ReportSkipped(m_path, loaded.text, parsed->skipped);
    return loaded;
}

bool StoreFile::Read(const std::function<void(const RegistryTree&)>& work) const
{
    if (!CanRead())
        return Fail(errno);
    if (StoreTransaction::State* batch = StoreTransaction::Current(m_path);
        batch && batch->loaded) {
        work(batch->loaded->tree);
        return true;
    }
    if (!Exists(Folder())) {
        work(RegistryTree{});
        return true;
    }
    FolderLock lock(Folder(), LOCK_SH);
    if (lock.Error())
        return Fail(lock.Error());
    const auto loaded = Load(false);
    if (!loaded)
        return false;
    work(loaded->tree);
    return true;
}

bool StoreFile::Modify(const std::function<bool(RegistryTree&)>& work) const
{
    if (!CanRead())
        return Fail(errno);
    if (const auto why = WhyUnwritable()) // a read-only mount, say, and not only modes
        return Fail(*why);
    if (StoreTransaction::State* batch = StoreTransaction::Current(m_path)) {
        if (batch->writing && batch->loaded) {
            batch->changed = work(batch->loaded->tree) || batch->changed;
            return true;
        }
        batch->loaded.reset(); // what was read before is no longer the file
    }
    if (!toolkit::MakePrivateFolders(Folder()))
        return Fail(errno);
    FolderLock lock(Folder(), LOCK_EX);
    if (lock.Error())
        return Fail(lock.Error());
    auto loaded = Load(true);
    if (!loaded)
        return false;
    return !work(loaded->tree) || Replace(*loaded);
}

} // namespace registry
