#include "Children.h"

#include "toolkit/NumberText.h"

#include <algorithm>
#include <charconv>

namespace settings {

namespace {

constexpr char NameValue[] = "Name";
constexpr char TitleValue[] = "UserName";
constexpr char LastUsedValue[] = "LastUsed";
// How many numbers past the highest key found are still looked at: keys removed by hand leave
// gaps.
constexpr int KeysPassed = 16;

// Addresses the key of the child kept as n for as long as it lives, then the program's own.
class ChildKey
{
  public:
    ChildKey(RegistryManager& registry, int n) : m_registry(registry)
    {
        registry.Subkey("Children\\" + std::to_string(n));
    }
    ~ChildKey() { m_registry.Subkey(""); }
    ChildKey(const ChildKey&) = delete;
    ChildKey& operator=(const ChildKey&) = delete;

  private:
    RegistryManager& m_registry;
};

// The children's keys found, each with its title where it can be read, and the highest number of
// a key there, read or not. Numbers are passed over where a key is missing (removed by hand), so
// that the children after it are still found.
std::vector<Child> ReadChildren(RegistryManager& registry, int& highest)
{
    const RegistryManager::Transaction whole(RegistryManager::Transaction::Reading);
    std::vector<Child> children;
    const int16_t fluency = ReadFluency(registry); // where an older store's children start
    highest = 0;
    for (int n = 1; n <= highest + KeysPassed; ++n) {
        const ChildKey key(registry, n);
        Child child;
        // Each child has its title; a key without one is damaged, and neither offered nor
        // written over. Read so, a store that may only be read lists them too. A key that
        // cannot be opened leaves the whole buffer of blanks.
        const bool titled = registry.ReadValue(TitleValue, child.title) == True;
        if (!titled && child.title == std::string(255, ' '))
            continue;
        highest = n;
        if (!titled)
            continue;
        child.key = n;
        registry.ReadValue(NameValue, child.name);
        std::string lastUsed;
        registry.ReadValue(LastUsedValue, lastUsed);
        std::from_chars(lastUsed.data(), lastUsed.data() + lastUsed.size(), child.lastUsed);
        child.states = ReadStates(registry);
        child.fluencySeconds = ReadFluency(registry, fluency);
        child.options = ReadOptions(registry);
        children.push_back(std::move(child));
    }
    std::ranges::stable_sort(children, std::ranges::greater{}, &Child::lastUsed);
    return children;
}

} // namespace

std::vector<Child> LoadChildren(RegistryManager& registry)
{
    int highest = 0;
    return ReadChildren(registry, highest);
}

bool KeepChild(RegistryManager& registry, const Child& child, bool used)
{
    RegistryManager::Transaction whole(RegistryManager::Transaction::Writing);
    int highest = 0;
    const std::vector<Child> children = ReadChildren(registry, highest);
    const auto kept = std::ranges::find_if(children, [&](const Child& other) {
        return child.key ? other.key == child.key : other.title == child.title;
    });
    // A new child takes a number no key has, damaged or not.
    const int n = kept != children.end() ? kept->key : highest + 1;
    const int64_t lastUsed = !used && kept != children.end() ? kept->lastUsed
                             : children.empty()              ? 1
                                                             : children.front().lastUsed + 1;
    const ChildKey key(registry, n);
    registry.CreateSubKey();
    return (child.name.empty() || registry.WriteValue(NameValue, child.name, REG_SZ) == True) &&
           registry.WriteValue(TitleValue, child.title, REG_SZ) == True &&
           registry.WriteValue(LastUsedValue, std::to_string(lastUsed), REG_SZ) == True &&
           registry.WriteValue(FluencyValue, toolkit::SignedBlankText(child.fluencySeconds),
                               REG_SZ) == True &&
           WriteStates(registry, child.states) && WriteOptions(registry, child.options) &&
           whole.Commit();
}

} // namespace settings
