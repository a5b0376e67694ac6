// The saved settings: first-run values, and whatever was stored read as the controls take it.

#include "settings/SavedSettings.h"
#include "settings/Children.h"
#include "support/RegistrySandbox.h"

#include <gmock/gmock.h>

#include <algorithm>

using settings::SavedControl, settings::SavedControls;
using settings::SavedSettings, testing::HasSubstr;
using SavedSettingsTest = RegistrySandbox;

TEST_F(SavedSettingsTest, SettingsAreReadAsTheirControlsTakeThemAndEachChildKeepsItsOwn)
{
    RegistryManager registry;
    SavedSettings::Address(registry);
    EXPECT_FALSE(SavedSettings::Load(registry).readable) << "a key that cannot be opened";
    SavedSettings::WriteDefaults(registry);

    auto place = [](std::string_view name) { // in SavedControls and the states
        return std::ranges::find(SavedControls, name, &SavedControl::name) - SavedControls.begin();
    };
    const auto box = place("chk10"), list = place("ctlTimed");
    const int16_t items = SavedControls[list].states, lastItem = items - 1;
    const std::string last = std::to_string(lastItem), past = std::to_string(items);
    // clang-format off
    const std::tuple<const char*, std::string, int16_t, int16_t> rows[] = { // text, box, list
        {"as saved", " 1", 1, 1}, {"blank not 0", "", 0, 0}, {"2 ticks", "2", 0, 2},
        {"1.4 not down", "1.4", 1, 1}, {"0.5 to odd", "0.5", 0, 0}, {"2.5 to odd", "2.5", 0, 2},
        {"16 bits", "40000", 0, 0}, {"no double", "1e400", 0, 0}, {"no item lost", "-1", 0, -1},
        {"under", "-2", 0, 0}, {"last lost", last, 0, lastItem}, {"past last", past, 0, 0},
    };
    // clang-format on
    for (const auto& [fault, text, tick, item] : rows) {
        registry.WriteValue("chk10", text, REG_SZ), registry.WriteValue("ctlTimed", text, REG_SZ);
        const settings::SavedStates states = SavedSettings::Load(registry).states;
        EXPECT_EQ(std::pair(states[box], states[list]), std::pair(tick, item)) << fault;
    }
    registry.WriteValue("ReadAloud", "1.4", REG_SZ),
        registry.WriteValue("HighContrast", "2", REG_SZ);
    EXPECT_EQ(SavedSettings::Load(registry).options, (settings::ChildOptions{true, false}));
    registry.WriteValue("UserName", std::string(255, 'x'), REG_SZ);
    const SavedSettings tooLong = SavedSettings::Load(registry);
    EXPECT_EQ(tooLong.title, "") << "too long to read back";
    EXPECT_TRUE(tooLong.Save(registry));
    EXPECT_THAT(FileText(m_folder + "/carrowby/registry.reg"), HasSubstr(std::string(255, 'x')));
    // First-run values go only into a key made now, never one whose read failed at start.
    registry.WriteValue("UserName", "Ada's Carrowby", REG_SZ);
    SavedSettings::WriteDefaults(registry);
    EXPECT_EQ(SavedSettings::Load(registry).title, "Ada's Carrowby");
    std::filesystem::remove_all(m_folder + "/carrowby"); // removed while the program runs
    EXPECT_TRUE(tooLong.Save(registry));
    EXPECT_EQ(Saved("Installed"), "True") << "made anew as on a first run";
    std::ofstream(m_folder + "/carrowby/registry.reg") << "a store broken by hand is kept aside";
    SavedSettings::WriteDefaults(registry);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder + "/carrowby"), {}), 2);

    // A key for each child's title, the most recent first, beside the program's own values.
    EXPECT_TRUE(settings::LoadChildren(registry).empty()) << "a store of before reads as one";
    settings::SavedStates sixToNine = settings::FirstRunStates();
    sixToNine[10] = sixToNine[11] = sixToNine[12] = sixToNine[13] = 1;
    const settings::ChildOptions contrast = {false, true};
    ASSERT_TRUE(settings::KeepChild(
        registry, {"Maisie", "Maisie's Carrowby", sixToNine, settings::FluencyFirstRun, contrast}));
    ASSERT_TRUE(settings::KeepChild(registry, {"Tom", "Tom's Carrowby"}));
    ASSERT_TRUE(settings::KeepChild(
        registry, {"", "Maisie's Carrowby", sixToNine, settings::FluencyFirstRun, contrast}));
    registry.Subkey("Children\\2"), registry.WriteValue("LastUsed", "40000", REG_SZ); // Tom, latest
    registry.Subkey("");
    EXPECT_TRUE(SavedSettings::Load(registry).Save(registry)) << "as a program of before saves";
    const std::vector<settings::Child> children = settings::LoadChildren(registry);
    ASSERT_EQ(children.size(), 2u) << "one key for each title";
    EXPECT_EQ(std::tuple(children[0].name, children[1].name, children[0].states, children[1].states,
                         children[1].key, children[0].options, children[1].options),
              std::tuple("Tom", "Maisie", settings::FirstRunStates(), sixToNine, 1,
                         settings::ChildOptions{}, contrast));
    EXPECT_EQ(Saved("UserName") + "|" + Saved("chk6"), "Carrowby| 0") << "its own key as it was";
}

// A key damaged by hand (its title unreadable) or removed hides no other child, and is never
// written over: a new child takes a number after every key there.
TEST_F(SavedSettingsTest, ADamagedOrMissingChildsKeyHidesAndOverwritesNoOther)
{
    const std::string key = "[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby\\Children\\";
    const auto child = [&](int n, const std::string& name, const std::string& title) {
        return key + std::to_string(n) + "]\n\"Name\"=\"" + name + "\"\n" + title +
               "\"LastUsed\"=\"" + std::to_string(n) + "\"\n\n";
    };
    const std::string maisie = child(3, "Maisie", "\"UserName\"=\"Maisie's Carrowby\n"); // unclosed
    const std::string ada = child(2, "Ada", "\"UserName\"=\"Ada's Carrowby\"\n");
    const std::string tom = child(1, "Tom", "\"UserName\"=\"Tom's Carrowby\"\n");
    const std::tuple<const char*, std::string, const char*> rows[] = {
        {"the last key's title unreadable", maisie + ada + tom, "Ada,Tom"},
        {"the second key removed", child(3, "Maisie", "\"UserName\"=\"Maisie's Carrowby\"\n") + tom,
         "Maisie,Tom"}};
    for (const auto& [fault, keys, offered] : rows) {
        std::filesystem::create_directories(m_folder + "/carrowby");
        std::ofstream(m_folder + "/carrowby/registry.reg")
            << "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\QZV\\"
               "Carrowby]\n\"UserName\"=\"Carrowby\"\n\n"
            << keys;
        RegistryManager registry;
        SavedSettings::Address(registry), testing::internal::CaptureStderr();
        std::string names;
        for (const settings::Child& each : settings::LoadChildren(registry))
            names += (names.empty() ? "" : ",") + each.name;
        EXPECT_EQ(names, offered) << fault;
        ASSERT_TRUE(settings::KeepChild(registry, {"Zoe", "Zoe's Carrowby"})) << fault;
        testing::internal::GetCapturedStderr();
        for (const auto& [n, name] : {std::pair(4, "Zoe"), std::pair(3, "Maisie")}) {
            registry.Subkey("Children\\" + std::to_string(n));
            EXPECT_EQ(Read(registry, "Name").c_str(), std::string(name)) << fault << ": key " << n;
        }
        registry.Subkey("");
    }
}
