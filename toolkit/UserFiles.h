#pragma once

#include <string>

// The user's own folders, as the XDG base directories name them, and the files the program
// keeps in them.
namespace toolkit {

// The folder that variable names where it is an absolute path; else underHome in the user's
// home, from HOME where that is absolute, else from the password database; empty when the user
// has no home.
std::string UserFolder(const char* variable, const char* underHome);

// Makes folder and any missing folder above it, private to the user (0700); false, with errno
// set, when one cannot be made.
bool MakePrivateFolders(const std::string& folder);

// A name free beside path for a copy of a file that could not be read, set aside:
// <path>.unreadable-<local time>, with a number after it where that is taken.
std::string PathAside(const std::string& path);

} // namespace toolkit
