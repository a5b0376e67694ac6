#include "StoreNotices.h"

#include "registry/filestore/StoreFile.h"

namespace settings {

std::string UnreadableNotice()
{
    const std::string path = registry::StoreFile::DefaultPath();
    if (path.empty())
        return "there is no folder to keep the settings in (HOME and XDG_CONFIG_HOME are "
               "unset, and the user has no home); the first-run settings are shown and nothing "
               "will be saved";
    const std::string shown = "; the first-run settings are shown and nothing will be saved";
    if (const auto why = registry::StoreFile(path).WhyUnreadable())
        return "the settings in " + path + " cannot be read (" + *why + ")" + shown;
    // The file can be read, or there is none: the key is missing and could not be made.
    const std::string made = registry::StoreFile::LastFailure();
    return "the settings cannot be kept in " + path + " (" +
           (made.empty() ? "the key cannot be made" : made) + ")" + shown;
}

std::optional<std::string> UnwritableNotice()
{
    const std::string path = registry::StoreFile::DefaultPath();
    if (const auto why = registry::StoreFile(path).WhyUnwritable())
        return "the settings in " + path + " cannot be saved (" + *why +
               "); changes will not be kept";
    return std::nullopt;
}

std::string UnsavedNotice()
{
    return "the settings could not be saved in " + registry::StoreFile::DefaultPath() + " (" +
           registry::StoreFile::LastFailure() + ")";
}

} // namespace settings
