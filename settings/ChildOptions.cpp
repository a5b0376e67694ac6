#include "ChildOptions.h"

#include "settings/StoredNumber.h"
#include "toolkit/NumberText.h"

namespace settings {

namespace {

constexpr char ReadAloudValue[] = "ReadAloud";
constexpr char HighContrastValue[] = "HighContrast";

bool ReadOption(RegistryManager& registry, const char* name)
{
    std::string text;
    registry.ReadValue(name, text);
    return StoredNumber(text) == 1;
}

bool WriteOption(RegistryManager& registry, const char* name, bool on)
{
    return registry.WriteValue(name, toolkit::SignedBlankText(on ? 1 : 0), REG_SZ) == True;
}

} // namespace

ChildOptions ReadOptions(RegistryManager& registry)
{
    return {ReadOption(registry, ReadAloudValue), ReadOption(registry, HighContrastValue)};
}

bool WriteOptions(RegistryManager& registry, const ChildOptions& options)
{
    const bool readAloud = WriteOption(registry, ReadAloudValue, options.readAloud);
    return WriteOption(registry, HighContrastValue, options.highContrast) && readAloud;
}

} // namespace settings
