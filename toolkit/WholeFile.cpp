#include "WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

namespace {

// 0, or the error, for a call that gives -1 on failure.
int Checked(long result)
{
    return result < 0 ? errno : 0;
}

} // namespace

int SaveWhole(const std::string& path, std::string_view bytes)
{
    const size_t slash = path.find_last_of('/');
    std::string temporary =
        (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + "." +
        path.substr(slash + 1) + ".new-XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC); // made 0600
    if (fd < 0)
        return errno;
    int error = 0;
    for (size_t written = 0; written < bytes.size() && error == 0;) {
        const ssize_t now = write(fd, bytes.data() + written, bytes.size() - written);
        error = now == 0 ? EIO : Checked(now);
        written += now > 0 ? static_cast<size_t>(now) : 0;
    }
    if (error == 0)
        error = Checked(fsync(fd));
    if (const int closed = Checked(close(fd)); error == 0)
        error = closed;
    if (error == 0)
        error = Checked(std::rename(temporary.c_str(), path.c_str()));
    if (error != 0)
        unlink(temporary.c_str());
    return error;
}

} // namespace toolkit
