#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// Writes bytes as the file at path, whole or not at all, private to the user (0600) whatever
// the umask: a temporary file of its own beside it, written, flushed and renamed over it. Where
// any step fails (a full disk, a folder that cannot be written), the temporary file is removed
// and whatever was at the path stays as it was. 0, or the system's error.
int SaveWhole(const std::string& path, std::string_view bytes);

} // namespace toolkit
