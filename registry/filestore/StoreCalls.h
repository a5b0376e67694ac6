#pragma once

#include <string>
#include <sys/types.h>

// The system calls through which the store meets a failing disk or mount, and the whole-file
// reads and writes made through them.
namespace registry {

// Tests replace these to play a disk's faults.
struct StoreCalls
{
    ssize_t (*read)(int, void*, size_t);
    int (*flock)(int, int);
    int (*fsync)(int);
    ssize_t (*write)(int, const void*, size_t);
};
StoreCalls& Calls();

// Reads the whole file into text; 0, or why it could not be read (ENOENT: there is none,
// NotAFile, TooLarge). Only a regular file is read, and never waited for.
int ReadWhole(const std::string& path, std::string& text);

// Writes text into the open file fd, flushes it to the disk and closes it.
bool WriteDurably(int fd, const std::string& text);

} // namespace registry
