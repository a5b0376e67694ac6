#include "FolderLock.h"

#include "StoreCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace registry {

FolderLock::FolderLock(const std::string& folder, int operation)
    : m_fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    int result = -1;
    if (m_fd >= 0) {
        while ((result = Calls().flock(m_fd, operation)) != 0 && errno == EINTR) {
        }
    }
    m_error = result == 0 ? 0 : errno;
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

} // namespace registry
