#pragma once

#include "RegistryTree.h"

#include <functional>
#include <optional>
#include <string>

// The file that holds the registry where the system has none:
// ${XDG_CONFIG_HOME:-$HOME/.config}/carrowby/registry.reg.
//
// Every operation reads the file as it is at that moment; nothing is cached between calls.
// Processes serialize on a lock of the file's folder, and a write replaces the file
// atomically (a temporary file beside it, flushed, renamed over it, the folder flushed), so
// the file is always whole, the old one or the new one. A file that is not a registry export
// at all is moved aside, never overwritten, and the store starts empty. Lines that cannot be
// read are skipped and named on standard error; before a file with such lines, or with
// comments, is replaced, a copy of it as it was is kept beside it. A file that exists but cannot be
// read, or a lock that cannot be taken, fails the call and nothing is written.
//
// Its members are defined by concern: where the file is (StorePath.cpp), what the modes allow
// (StorePermissions.cpp), replacing it whole (StoreReplace.cpp), reading and changing it
// (StoreFile.cpp). The locks, the system calls and the transaction have files of their own.
namespace registry {

class StoreFile
{
  public:
    explicit StoreFile(std::string path);

    // The store file for the current user, from the environment or else the user's home; empty
    // when there is none, and then the store can be neither read nor written.
    static std::string DefaultPath();

    // What the file's permissions allow this process now; where it cannot read, errno says why.
    bool CanRead() const;
    bool CanWrite() const;
    // Why the store cannot be read, or written ("Permission denied"), or nothing when it can.
    std::optional<std::string> WhyUnreadable() const;
    std::optional<std::string> WhyUnwritable() const;
    // Why the last call of this thread that returned false failed.
    static std::string LastFailure();

    // Runs work on the tree as stored, under the shared lock. False when the store cannot
    // be read.
    bool Read(const std::function<void(const RegistryTree&)>& work) const;

    // Runs work on the tree under the exclusive lock and stores the tree when work returns
    // true. False when the store cannot be read or written, or the write failed.
    bool Modify(const std::function<bool(RegistryTree&)>& work) const;

  private:
    friend class StoreTransaction;
    struct Loaded
    {
        RegistryTree tree;
        std::string text;     // the file as it was read
        bool notKept = false; // writing it back drops lines: comments, or lines not read
    };

    std::string Folder() const;
    // Nothing when the file exists but cannot be read, or cannot be moved aside.
    std::optional<Loaded> Load(bool mayMoveAside) const;
    std::string PathAside() const;
    // The file a write replaces: the store's own, or, where that is a link (into a folder of
    // dotfiles, say), the file it leads to, so that the link stays.
    std::string WriteTarget() const;
    // Replaces the file by the tree, keeping first a copy of what the rewrite drops.
    bool Replace(const Loaded& loaded) const;

    std::string m_path;
};

} // namespace registry
