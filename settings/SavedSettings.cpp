#include "SavedSettings.h"

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
    RegistryManager::Transaction whole(RegistryManager::Transaction::Writing);
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
    const RegistryManager::Transaction whole(RegistryManager::Transaction::Reading);
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
    RegistryManager::Transaction whole(RegistryManager::Transaction::Writing);
    registry.CreateSubKey(); // anew, where its file was removed while the program ran
    const bool titleWritten = !titleRead || registry.WriteValue(TitleValue, title, REG_SZ) == True;
    return WriteControls(registry,
                         [this](size_t index) {
                             return toolkit::SignedBlankText(
                                 index < boxes.size() ? boxes[index] : lists[index - boxes.size()]);
                         }) &&
           titleWritten && whole.Commit();
}

} // namespace settings
