#pragma once

#include "ChildOptions.h"
#include "registry/RegistryManager.h"

#include <array>
#include <cstdint>
#include <string>

namespace settings {

// One saved control: a check box saves 0 or 1, a list the position of its chosen item (-1
// for none). A stored number outside that range reads as the control's first-run state.
struct SavedControl
{
    const char* name; // the control's object name, and its value's in the registry
    bool list;
    int16_t states;       // a check box's two, or a list's items
    int16_t firstRun = 0; // the state written and shown on the first run
};
// Every saved control, in the order its value is written and read (a new one may go anywhere).
inline constexpr auto SavedControls = std::to_array<SavedControl>({
    {"chkAddition", false, 2},
    {"chkSubtraction", false, 2},
    {"chkMultiplication", false, 2},
    {"chkDivision", false, 2},
    {"chk0", false, 2},
    {"chk1", false, 2},
    {"chk2", false, 2},
    {"chk3", false, 2},
    {"chk4", false, 2},
    {"chk5", false, 2},
    {"chk6", false, 2},
    {"chk7", false, 2},
    {"chk8", false, 2},
    {"chk9", false, 2},
    {"chk10", false, 2},
    {"ctlTimed", true, 7},
    {"ctlDifficulty", true, 4},
    {"ctlNumberOfProblems", true, 5},
});
using SavedStates = std::array<int16_t, SavedControls.size()>;
constexpr SavedStates FirstRunStates()
{
    SavedStates states{};
    for (size_t i = 0; i < SavedControls.size(); ++i)
        states[i] = SavedControls[i].firstRun;
    return states;
}

// The value that keeps the fluency time, in the program's key and in each child's.
inline constexpr char FluencyValue[] = "FluencySeconds";
// The fluency time's range in seconds, and what it is where none is kept.
inline constexpr int16_t FluencyFirstRun = 3, FluencyShortest = 2, FluencyLongest = 12;
// The fluency time the key that registry addresses holds, or otherwise where it holds none.
int16_t ReadFluency(RegistryManager& registry, int16_t otherwise = FluencyFirstRun);

// The saved controls' states as the key that registry addresses holds them, each its control's
// first-run state where it is no state of it.
SavedStates ReadStates(RegistryManager& registry);
// Writes each state in the signed-blank form; false when any could not be written.
bool WriteStates(RegistryManager& registry, const SavedStates& states);

// The main window's saved settings: its title and the state of each saved control, kept as
// string values named after the controls in the key Software\QZV\Carrowby of the current user.
// Nothing is checked of what the registry returns: a value that cannot be read gives its
// control's first-run state.
struct SavedSettings
{
    std::string title = "Carrowby";
    SavedStates states = FirstRunStates(); // each control's, in the order of SavedControls
    // The seconds within which a right answer counts as fluent (a choice of the Results window,
    // kept as "FluencySeconds"); FluencyFirstRun where it is missing or out of its range.
    int16_t fluencySeconds = FluencyFirstRun;
    ChildOptions options = {}; // the child shown's
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
