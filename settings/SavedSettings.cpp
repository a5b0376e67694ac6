#include "SavedSettings.h"

#include "settings/StoredNumber.h"
#include "toolkit/NumberText.h"

namespace settings {

namespace {

constexpr char InstalledValue[] = "Installed";
constexpr char TitleValue[] = "UserName";

// What ReadValue leaves when the key cannot be opened: its whole buffer of blanks.
const std::string KeyNotOpened(255, ' ');

// Writes each control's value from text(its index in SavedControls); false when any write failed.
template <typename Text> bool WriteControls(RegistryManager& registry, Text text)
{
    bool written = true;
    for (size_t i = 0; i < SavedControls.size(); ++i)
        written = registry.WriteValue(SavedControls[i].name, text(i), REG_SZ) == True && written;
    return written;
}

// The control's stored state, or its first-run one when the stored text is no state of it.
int16_t ReadState(RegistryManager& registry, const SavedControl& control)
{
    std::string text;
    registry.ReadValue(control.name, text);
    const std::optional<int16_t> number = StoredNumber(text);
    const int lowest = control.list ? -1 : 0;
    return number && *number >= lowest && *number < control.states ? *number : control.firstRun;
}

} // namespace

int16_t ReadFluency(RegistryManager& registry, int16_t otherwise)
{
    std::string fluency;
    registry.ReadValue(FluencyValue, fluency);
    const auto seconds = StoredNumber(fluency);
    return seconds && *seconds >= FluencyShortest && *seconds <= FluencyLongest ? *seconds
                                                                                : otherwise;
}

SavedStates ReadStates(RegistryManager& registry)
{
    SavedStates states{};
    for (size_t i = 0; i < SavedControls.size(); ++i)
        states[i] = ReadState(registry, SavedControls[i]);
    return states;
}

bool WriteStates(RegistryManager& registry, const SavedStates& states)
{
    return WriteControls(registry,
                         [&states](size_t i) { return toolkit::SignedBlankText(states[i]); });
}

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
    registry.WriteValue(TitleValue, SavedSettings{}.title, REG_SZ);
    WriteControls(registry, [](size_t i) { return toolkit::PlainText(SavedControls[i].firstRun); });
}

SavedSettings SavedSettings::Load(RegistryManager& registry)
{
    const RegistryManager::Transaction whole(RegistryManager::Transaction::Reading);
    SavedSettings saved;
    if (registry.ReadValue(TitleValue, saved.title) == False)
        saved.titleRead = false;
    if (!saved.titleRead && saved.title == KeyNotOpened)
        return {.readable = false};
    saved.states = ReadStates(registry);
    saved.fluencySeconds = ReadFluency(registry);
    saved.options = ReadOptions(registry);
    return saved;
}

bool SavedSettings::Save(RegistryManager& registry) const
{
    // All of it or nothing: another copy of the program saving at the same moment never mixes
    // its settings with these.
    RegistryManager::Transaction whole(RegistryManager::Transaction::Writing);
    // Anew, where its file was removed while the program ran: then as it is on a first run.
    if (registry.CreateSubKey() == True)
        registry.WriteValue(InstalledValue, "True", REG_SZ);
    const bool titleWritten = !titleRead || registry.WriteValue(TitleValue, title, REG_SZ) == True;
    const bool fluencyWritten =
        registry.WriteValue(FluencyValue, toolkit::SignedBlankText(fluencySeconds), REG_SZ) == True;
    const bool optionsWritten = WriteOptions(registry, options);
    return WriteStates(registry, states) && titleWritten && fluencyWritten && optionsWritten &&
           whole.Commit();
}

} // namespace settings
