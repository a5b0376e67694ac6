#pragma once

#include <string>

// The user's own folders, as the XDG base directories name them.
namespace toolkit {

// The folder that variable names where it is an absolute path; else underHome in the user's
// home, from HOME where that is absolute, else from the password database; empty when the user
// has no home.
std::string UserFolder(const char* variable, const char* underHome);

// Makes folder and any missing folder above it, private to the user (0700); false, with errno
// set, when one cannot be made.
bool MakePrivateFolders(const std::string& folder);

} // namespace toolkit
