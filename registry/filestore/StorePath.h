#pragma once

#include <string>

// The paths the store works with: where a file is, its folder, and the folders to make.
namespace registry {

bool Exists(const std::string& path);

std::string FolderOf(const std::string& path);

} // namespace registry
