#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Where the results file lives, and what is done to the file itself rather than to its
// contents: its folder made, the file begun private, a file that cannot be read set aside, and
// the copies set aside forgotten.
namespace results {

// ${XDG_DATA_HOME:-$HOME/.local/share}/carrowby/results.sqlite, a relative XDG_DATA_HOME or
// HOME ignored; empty when the user has no home.
std::string DefaultResultsPath();

// Makes the file's folder (0700, with those above it) and the file itself (0600) where they are
// missing, and narrows a folder or file of the user's open to others to those modes; 0, or why
// not. Anything but a regular file at the path (a device, a pipe, a folder) is refused: ENODEV,
// or EISDIR for a folder.
int MakeResultsFile(const std::string& path);

// Moves the file, with SQLite's files beside it, to <path>.unreadable-<time>, private (0600);
// the new name, or empty when it could not be moved.
std::string SetAside(const std::string& path);

// Removes every copy of the file set aside; false, with errno set, where one could not be.
bool ForgetSetAside(const std::string& path);

// A copy of the file set aside as it was found, and what was saved from it into the file, where
// that is known.
struct CopySetAside
{
    std::string path;
    bool counted = false;
    int64_t saved = 0;         // tests saved into the file
    int64_t unreadTests = 0;   // tests that could not be read
    int64_t unreadAnswers = 0; // answers of the tests saved that could not be read
};

// The copies of the file set aside (without SQLite's files beside them), oldest first.
std::vector<CopySetAside> CopiesSetAside(const std::string& path);

// Where what could not be written by the program's end is kept until the next recording:
// <path>.unwritten, a results file of its own.
std::string UnwrittenPath(const std::string& path);

} // namespace results
