#include "RegistryTree.h"

#include "toolkit/AsciiText.h"

#include <algorithm>

namespace registry {

namespace {

std::string Upper(std::string_view name)
{
    return toolkit::AsciiUpper(std::string(name));
}

} // namespace

template <typename Item> Item* NamedItems<Item>::Find(std::string_view name)
{
    const auto found = m_at.find(Upper(name));
    return found == m_at.end() ? nullptr : &m_items[found->second];
}

template <typename Item> const Item* NamedItems<Item>::Find(std::string_view name) const
{
    return const_cast<NamedItems*>(this)->Find(name);
}

template <typename Item> Item& NamedItems<Item>::FindOrAdd(std::string_view name, bool* added)
{
    if (Item* found = Find(name))
        return *found;
    if (added)
        *added = true;
    m_at.emplace(Upper(name), m_items.size());
    Item& item = m_items.emplace_back();
    item.name = name;
    return item;
}

template class NamedItems<RegistryValue>;
template class NamedItems<RegistryKey>;

bool SameName(std::string_view a, std::string_view b)
{
    return toolkit::SameIgnoringCase(a, b);
}

bool RegistryKey::SetValue(std::string_view valueName, uint32_t type, std::string data)
{
    bool added = false;
    RegistryValue& value = values.FindOrAdd(valueName, &added);
    if (!added && value.type == type && value.data == data)
        return false;
    value.type = type;
    value.data = std::move(data);
    return true;
}

RegistryKey& RegistryKey::CreatePath(const std::vector<std::string>& names, bool* created)
{
    RegistryKey* key = this;
    for (const std::string& name : names)
        key = &key->subkeys.FindOrAdd(name, created);
    return *key;
}

bool SplitKeyPath(std::string_view path, std::vector<std::string>& names)
{
    names.clear();
    if (path.empty())
        return true;
    size_t start = 0;
    for (;;) {
        const size_t end = path.find('\\', start);
        const std::string_view name = path.substr(start, end - start);
        if (name.empty() || name.size() > LongestKeyName || names.size() > DeepestKey)
            return false;
        names.emplace_back(name);
        if (end == std::string_view::npos)
            return true;
        start = end + 1;
    }
}

RegistryKey* FindKey(RegistryKey& start, const std::vector<std::string>& names)
{
    RegistryKey* key = &start;
    for (const std::string& name : names) {
        key = key->subkeys.Find(name);
        if (!key)
            return nullptr;
    }
    return key;
}

const RegistryKey* FindKey(const RegistryKey& start, const std::vector<std::string>& names)
{
    return FindKey(const_cast<RegistryKey&>(start), names);
}

} // namespace registry
