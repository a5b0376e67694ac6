#pragma once

#include "registry/RegistryManager.h"

namespace settings {

// The options a child may need beside the drill's settings, each off until chosen: Read Aloud
// (the drill spoken) and High Contrast (every window drawn for low vision). They are kept with
// the other settings, as "ReadAloud" and "HighContrast", 0 or 1, in the program's key for the
// child shown and in each child's own key.
struct ChildOptions
{
    bool readAloud = false;
    bool highContrast = false;
    bool operator==(const ChildOptions&) const = default;
};

// The options as the key that registry addresses holds them; off where a value is missing or
// no 1.
ChildOptions ReadOptions(RegistryManager& registry);
// False when either could not be written.
bool WriteOptions(RegistryManager& registry, const ChildOptions& options);

} // namespace settings
