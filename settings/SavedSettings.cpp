#include "SavedSettings.h"

#include "registry/StoreFile.h"
#include "settings/StoredNumber.h"
#include "toolkit/NumberText.h"

namespace settings {

namespace {

constexpr char InstalledValue[] = "Installed";
constexpr char TitleValue[] = "UserName";

// What ReadValue leaves when the key cannot be opened: its whole buffer of blanks.
const std::string KeyNotOpened(255, ' ');

// Writes each control's value in the order they are saved, from value(index in that order);
// false when any write failed.
template <typename Value> bool WriteControls(RegistryManager& registry, Value value)
{
    size_t index = 0;
    bool written = true;
    for (const char* name : SavedSettings::BoxNames)
        written = registry.WriteValue(name, value(index++), REG_SZ) == True && written;
    for (const char* name : SavedSettings::ListNames)
        written = registry.WriteValue(name, value(index++), REG_SZ) == True && written;
    return written;
}

// The stored number, or 0 when it is not one that lies from lowest to below.
int16_t ReadNumber(RegistryManager& registry, const char* name, int lowest, int below)
{
    std::string text;
    registry.ReadValue(name, text);
    const int16_t number = StoredNumber(text).value_or(0);
    return number >= lowest && number < below ? number : 0;
}

} // namespace

void SavedSettings::Address(RegistryManager& registry)
{
    registry.Application("Carrowby");
    registry.CompanyName("QZV");
    registry.BaseKey(HKEY_CURRENT_USER_VALUE);
    registry.UseApplication(True);
    registry.UseAutoAppSubKeys(True);
    registry.UseCompanyName(True);
}

void SavedSettings::WriteDefaults(RegistryManager& registry)
{
    registry::StoreTransaction whole(registry::StoreTransaction::Writing);
    // Only a key made now takes them: one found after all (its read had failed, or another copy
    // made it meanwhile) keeps what it holds, and one that cannot be made gets nothing.
    if (registry.CreateSubKey() == False)
        return;
    registry.WriteValue(InstalledValue, "True", REG_SZ);
    registry.WriteValue(TitleValue, "Carrowby", REG_SZ);
    WriteControls(registry, [](size_t) { return std::string("0"); });
}

SavedSettings SavedSettings::Load(RegistryManager& registry)
{
    const registry::StoreTransaction whole(registry::StoreTransaction::Reading);
    SavedSettings saved;
    if (registry.ReadValue(TitleValue, saved.title) == False)
        saved.titleRead = false;
    if (!saved.titleRead && saved.title == KeyNotOpened)
        return {.readable = false};
    for (size_t i = 0; i < BoxNames.size(); ++i)
        saved.boxes[i] = ReadNumber(registry, BoxNames[i], 0, 2);
    for (size_t i = 0; i < ListNames.size(); ++i)
        saved.lists[i] = ReadNumber(registry, ListNames[i], -1, ListLengths[i]);
    return saved;
}

bool SavedSettings::Save(RegistryManager& registry) const
{
    // All of it or nothing: another copy of the program saving at the same moment never mixes
    // its settings with these.
    registry::StoreTransaction whole(registry::StoreTransaction::Writing);
    registry.CreateSubKey(); // anew, where its file was removed while the program ran
    const bool titleWritten = !titleRead || registry.WriteValue(TitleValue, title, REG_SZ) == True;
    return WriteControls(registry,
                         [this](size_t index) {
                             return toolkit::SignedBlankText(
                                 index < boxes.size() ? boxes[index] : lists[index - boxes.size()]);
                         }) &&
           titleWritten && whole.Commit();
}

std::string UnreadableNotice()
{
    const std::string path = registry::StoreFile::DefaultPath();
    if (path.empty())
        return "carrowby: there is no folder to keep the settings in (HOME and XDG_CONFIG_HOME are "
               "unset, and the user has no home); the first-run settings are shown and nothing "
               "will be saved";
    const std::string shown = "; the first-run settings are shown and nothing will be saved";
    if (const auto why = registry::StoreFile(path).WhyUnreadable())
        return "carrowby: the settings in " + path + " cannot be read (" + *why + ")" + shown;
    // The file can be read, or there is none: the key is missing and could not be made.
    const std::string made = registry::StoreFile::LastFailure();
    return "carrowby: the settings cannot be kept in " + path + " (" +
           (made.empty() ? "the key cannot be made" : made) + ")" + shown;
}

std::optional<std::string> UnwritableNotice()
{
    const std::string path = registry::StoreFile::DefaultPath();
    if (const auto why = registry::StoreFile(path).WhyUnwritable())
        return "carrowby: the settings in " + path + " cannot be saved (" + *why +
               "); changes will not be kept";
    return std::nullopt;
}

std::string UnsavedNotice()
{
    return "carrowby: the settings could not be saved in " + registry::StoreFile::DefaultPath() +
           " (" + registry::StoreFile::LastFailure() + ")";
}

} // namespace settings
