#pragma once

#include <string>

// The paths the store works with: where a file is, its folder, and the folders to make.
namespace registry {

bool Exists(const std::string& path);

std::string FolderOf(const std::string& path);

// Creates folder and the folders above it, private to the user.
bool MakeFolders(const std::string& folder);

} // namespace registry
