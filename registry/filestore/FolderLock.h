#pragma once

#include <string>

namespace registry {

// Holds flock on a folder for as long as it lives, when it could be taken. Processes sharing
// the store serialize on its folder's lock.
class FolderLock
{
  public:
    FolderLock(const std::string& folder, int operation);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // 0 while the lock is held, else why it could not be taken.
    int Error() const { return m_error; }

  private:
    int m_fd;
    int m_error = 0;
};

} // namespace registry
