#pragma once

#include "SavedSettings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace settings {

// A child who has personalized Carrowby on this computer, with the settings last used under that
// title. Each is kept in a key of its own beside the program's, Software\QZV\Carrowby\Children\<n>
// with n counting from 1: "Name" (as typed), "UserName" (the title), "LastUsed" (greater for the
// more recently used) and a value for each saved control, as the program's key has them. The
// program's key keeps the settings shown, as it always has, so that a store without children
// reads as before, and a program that knows of none leaves them as they are.
struct Child
{
    std::string name = {};
    std::string title = {};
    SavedStates states = FirstRunStates();
    ChildOptions options = {};
    int64_t lastUsed = 0;
    int key = 0; // the n of its key; 0 for one not kept yet
};

// Every child kept, the most recently used first; none where the store holds none or cannot be
// read.
std::vector<Child> LoadChildren(RegistryManager& registry);

// Keeps child as the most recently used, under its key, or that of the child kept with its
// title, or a new one; an empty name leaves the one kept. False when it could not be written.
bool KeepChild(RegistryManager& registry, const Child& child);

} // namespace settings
