#pragma once

#include <optional>
#include <string>

// What the program tells on standard error about the store file that keeps its settings.
namespace settings {

// One line for standard error that says where the settings are kept and why they could not
// be read.
std::string UnreadableNotice();
// One line for standard error when the settings can be read but not saved, saying why.
std::optional<std::string> UnwritableNotice();
// One line for standard error that says where the settings could not be saved, and why.
std::string UnsavedNotice();

} // namespace settings
