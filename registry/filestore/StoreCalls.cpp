#include "StoreCalls.h"

#include "StoreFailure.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace registry {

StoreCalls& Calls()
{
    static StoreCalls calls{::read, ::flock, ::fsync, ::write};
    return calls;
}

int ReadWhole(const std::string& path, std::string& text)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    struct stat info;
    int error = fstat(fd, &info) != 0                              ? errno
                : !S_ISREG(info.st_mode)                           ? NotAFile
                : static_cast<size_t>(info.st_size) > LargestStore ? TooLarge
                                                                   : 0;
    char buffer[65536];
    while (error == 0) {
        const ssize_t count = Calls().read(fd, buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            error = errno == EINTR ? 0 : errno;
            continue;
        }
        text.append(buffer, static_cast<size_t>(count));
        if (text.size() > LargestStore)
            error = TooLarge;
    }
    close(fd);
    return error;
}

namespace {

bool WriteWhole(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t count = Calls().write(fd, text.data() + done, text.size() - done);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(count);
    }
    return true;
}

} // namespace

bool WriteDurably(int fd, const std::string& text)
{
    const bool written = WriteWhole(fd, text) && Calls().fsync(fd) == 0;
    const int error = errno;
    return (close(fd) == 0 && written) || Fail(written ? errno : error);
}

} // namespace registry
