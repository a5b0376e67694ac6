#pragma once

#include "registry/RegistryManager.h"

#include <array>
#include <cstdint>
#include <string>

namespace settings {

// The main window's saved settings: its title and the state of its eighteen settings
// controls, kept as string values named after the controls in the key Software\QZV\Carrowby
// of the current user. Nothing is checked of what the registry returns: a value that cannot
// be read gives its control's first-run state.
struct SavedSettings
{
    // The saved controls, in the order they are written and read.
    static constexpr std::array<const char*, 15> BoxNames = {
        "chkAddition", "chkSubtraction", "chkMultiplication",
        "chkDivision", "chk0",           "chk1",
        "chk2",        "chk3",           "chk4",
        "chk5",        "chk6",           "chk7",
        "chk8",        "chk9",           "chk10"};
    static constexpr std::array<const char*, 3> ListNames = {"ctlTimed", "ctlDifficulty",
                                                             "ctlNumberOfProblems"};
    static constexpr std::array<int16_t, 3> ListLengths = {7, 4, 5};

    std::string title = "Carrowby";
    std::array<int16_t, 15> boxes{}; // 0 unticked, 1 ticked
    std::array<int16_t, 3> lists{};  // the chosen item, -1 for none
    // False when the key could not be opened for reading; the values are then the first-run
    // ones, and the store is to be left as it is.
    bool readable = true;
    // False when the stored title could not be read whole (too long for the registry class, or
    // missing): Save then leaves the stored one as it is.
    bool titleRead = true;

    // Points registry at the program's key.
    static void Address(RegistryManager& registry);
    // Creates the key and writes the first-run values, in one change of the store.
    static void WriteDefaults(RegistryManager& registry);
    // Reads every value from one reading of the store.
    static SavedSettings Load(RegistryManager& registry);
    // Writes every value in one change of the store; false when any could not be written.
    bool Save(RegistryManager& registry) const;
};

} // namespace settings
