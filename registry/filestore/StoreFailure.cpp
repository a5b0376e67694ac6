#include "StoreFailure.h"

#include "StoreFile.h"

#include <cstring>

namespace registry {

namespace {
thread_local std::string lastFailure;
}

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
    lastFailure = why;
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
