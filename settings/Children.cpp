#include "Children.h"

#include <algorithm>
#include <charconv>

namespace settings {

namespace {

constexpr char NameValue[] = "Name";
constexpr char TitleValue[] = "UserName";
constexpr char LastUsedValue[] = "LastUsed";

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

} // namespace

std::vector<Child> LoadChildren(RegistryManager& registry)
{
    const RegistryManager::Transaction whole(RegistryManager::Transaction::Reading);
    std::vector<Child> children;
    for (int n = 1;; ++n) {
        const ChildKey key(registry, n);
        Child child;
        // Each child has its title; read so, a store that may only be read lists them too.
        if (registry.ReadValue(TitleValue, child.title) != True)
            break;
        child.key = n;
        registry.ReadValue(NameValue, child.name);
        std::string lastUsed;
        registry.ReadValue(LastUsedValue, lastUsed);
        std::from_chars(lastUsed.data(), lastUsed.data() + lastUsed.size(), child.lastUsed);
        child.states = ReadStates(registry);
        child.options = ReadOptions(registry);
        children.push_back(std::move(child));
    }
    std::ranges::stable_sort(children, std::ranges::greater{}, &Child::lastUsed);
    return children;
}

bool KeepChild(RegistryManager& registry, const Child& child)
{
    RegistryManager::Transaction whole(RegistryManager::Transaction::Writing);
    const std::vector<Child> children = LoadChildren(registry);
    const auto kept = std::ranges::find_if(children, [&](const Child& other) {
        return child.key ? other.key == child.key : other.title == child.title;
    });
    const int n = kept != children.end() ? kept->key : static_cast<int>(children.size()) + 1;
    const int64_t lastUsed = children.empty() ? 1 : children.front().lastUsed + 1;
    const ChildKey key(registry, n);
    registry.CreateSubKey();
    return (child.name.empty() || registry.WriteValue(NameValue, child.name, REG_SZ) == True) &&
           registry.WriteValue(TitleValue, child.title, REG_SZ) == True &&
           registry.WriteValue(LastUsedValue, std::to_string(lastUsed), REG_SZ) == True &&
           WriteStates(registry, child.states) && WriteOptions(registry, child.options) &&
           whole.Commit();
}

} // namespace settings
