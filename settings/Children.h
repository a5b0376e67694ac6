#pragma once

#include "SavedSettings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace settings {

// A child who has personalized Carrowby on this computer, with the settings last used under that
// title. Each is kept in a key of its own beside the program's, Software\QZV\Carrowby\Children\<n>
// with n counting from 1: "Name" (as typed), "UserName" (the title), "LastUsed" (greater for the
// more recently used), a value for each saved control, as the program's key has them, and its
// own fluency time ("FluencySeconds"; where its key has none, the program's key's). The
// program's key keeps the settings shown, as it always has, so that a store without children
// reads as before, and a program that knows of none leaves them as they are.
struct Child
{
    std::string name = {};
    std::string title = {};
    SavedStates states = FirstRunStates();
    int16_t fluencySeconds = FluencyFirstRun;
    ChildOptions options = {};
    int64_t lastUsed = 0;
    int key = 0; // the n of its key; 0 for one not kept yet
};

// Every child kept whose key can be read, the most recently used first, whatever keys are missing
// or damaged among theirs; none where the store holds none or cannot be
// read.
std::vector<Child> LoadChildren(RegistryManager& registry);

// Keeps child, as the most recently used unless not used now, under its key, or that of the child
// kept with its title, or a new one numbered after every key there (a damaged key is never written
// over); an empty name leaves the one kept. False when it could not be written.
bool KeepChild(RegistryManager& registry, const Child& child, bool used = true);

} // namespace settings
