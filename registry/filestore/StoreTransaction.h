#pragma once

#include "FolderLock.h"
#include "StoreFile.h"

#include <memory>
#include <optional>
#include <string>

namespace registry {

// Gathers what the registry functions do to one store while it lives. Writing, for a whole set
// of settings that another copy of the program must never find half saved: the store stays
// locked, and the changes reach the file as one replacement at Commit. Reading: every read
// sees the file as it was at the start, read once.
class StoreTransaction
{
  public:
    enum Kind
    {
        Reading,
        Writing
    };
    explicit StoreTransaction(Kind kind, const std::string& path = StoreFile::DefaultPath());
    ~StoreTransaction();
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;

    // Writes the changes made so far; false when they could not be written.
    bool Commit();

    struct State
    {
        bool writing;
        StoreFile file;
        std::optional<FolderLock> lock;
        std::optional<StoreFile::Loaded> loaded; // the tree the calls work on, once read
        bool changed = false;
        State* outer;
    };
    // The transaction of this thread on the store at path, if any.
    static State* Current(const std::string& path);

  private:
    std::unique_ptr<State> m_state;
};

} // namespace registry
