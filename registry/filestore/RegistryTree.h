#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The registry as a tree of keys in memory. Names are matched without regard to case and
// kept in the case they were created with.
namespace registry {

struct RegistryValue
{
    std::string name; // empty for the key's default value
    uint32_t type = 1;
    std::string data; // the stored bytes, a string's terminating NUL included
};

// Items found by their names without regard to case, as fast among 200,000 as among 20. They
// change only through this class, whose index of their names is kept in step with every change
// (an item's name is set once, as it is added).
template <typename Item> class NamedItems
{
  public:
    Item* Find(std::string_view name);
    const Item* Find(std::string_view name) const;
    // The item of that name, added at the end (made from the name) when there is none; added
    // tells whether it was.
    Item& FindOrAdd(std::string_view name, bool* added = nullptr);

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

  private:
    std::vector<Item> m_items;
    std::unordered_map<std::string, size_t> m_at; // where each name stands, by its upper case
};

struct RegistryKey
{
    explicit RegistryKey(std::string keyName = {}) : name(std::move(keyName)) {}

    std::string name;
    NamedItems<RegistryValue> values;
    NamedItems<RegistryKey> subkeys;

    // False when the value already stood so, which changes nothing.
    bool SetValue(std::string_view valueName, uint32_t type, std::string data);
    // The key at names below this one, made with every missing level; created tells whether
    // any level was new.
    RegistryKey& CreatePath(const std::vector<std::string>& names, bool* created = nullptr);
};

bool SameName(std::string_view a, std::string_view b);

// The roots the store keeps, in the order they are written.
enum class Root
{
    CurrentUser,
    ClassesRoot
};
constexpr std::string_view RootName(Root root)
{
    return root == Root::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_CLASSES_ROOT";
}

struct RegistryTree
{
    RegistryKey currentUser{"HKEY_CURRENT_USER"};
    RegistryKey classesRoot{"HKEY_CLASSES_ROOT"};

    RegistryKey& RootKey(Root root)
    {
        return root == Root::CurrentUser ? currentUser : classesRoot;
    }
    const RegistryKey& RootKey(Root root) const
    {
        return root == Root::CurrentUser ? currentUser : classesRoot;
    }
};

// The real registry's limits, which also keep every walk through the tree short.
constexpr size_t LongestKeyName = 255;
constexpr size_t DeepestKey = 512;

// Splits "a\b\c" into its names; an empty path gives none. False for an empty name inside
// the path ("a\\b", "\a"), a name longer than LongestKeyName, or more names than a root and
// DeepestKey levels below it.
bool SplitKeyPath(std::string_view path, std::vector<std::string>& names);

// The key at names below start, or null.
RegistryKey* FindKey(RegistryKey& start, const std::vector<std::string>& names);
const RegistryKey* FindKey(const RegistryKey& start, const std::vector<std::string>& names);

} // namespace registry
