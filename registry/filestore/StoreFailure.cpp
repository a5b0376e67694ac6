#include "StoreFailure.h"

#include "StoreFile.h"

#include <cstdio>
#include <cstring>

namespace registry {

namespace {
// A save that fails as the program exits (the display gone) writes here after thread-locals
// with a destructor are gone: a plain buffer, which lives as long as its thread does.
thread_local char lastFailure[128];
} // namespace

std::string Reason(int error)
{
    if (error == NotAFile)
        return "not a regular file";
    if (error == TooLarge)
        return "larger than " + std::to_string(LargestStore >> 20) + " MiB";
    return std::strerror(error);
}

bool Fail(const std::string& why)
{
    std::snprintf(lastFailure, sizeof lastFailure, "%s", why.c_str());
    return false;
}

bool Fail(int error)
{
    return Fail(Reason(error));
}

std::string StoreFile::LastFailure()
{
    return lastFailure;
}

} // namespace registry
