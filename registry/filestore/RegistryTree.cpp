#include "RegistryTree.h"

#include "toolkit/AsciiText.h"

#include <algorithm>

namespace registry {

namespace {

std::string Upper(std::string_view name)
{
    return toolkit::AsciiUpper(std::string(name));
}

// The item of that name, found through the index of the items' names (made anew if the items
// were changed behind its back).
template <typename Item>
Item* FindNamed(std::vector<Item>& items, std::unordered_map<std::string, size_t>& at,
                std::string_view name)
{
    if (at.size() != items.size()) {
        at.clear();
        for (size_t i = 0; i < items.size(); ++i)
            at.emplace(Upper(items[i].name), i);
    }
    const auto found = at.find(Upper(name));
    return found == at.end() ? nullptr : &items[found->second];
}

} // namespace

bool SameName(std::string_view a, std::string_view b)
{
    return toolkit::SameIgnoringCase(a, b);
}

RegistryKey* RegistryKey::FindSubkey(std::string_view subkeyName)
{
    return FindNamed(subkeys, m_subkeyAt, subkeyName);
}

const RegistryKey* RegistryKey::FindSubkey(std::string_view subkeyName) const
{
    return const_cast<RegistryKey*>(this)->FindSubkey(subkeyName);
}

RegistryValue* RegistryKey::FindValue(std::string_view valueName)
{
    return FindNamed(values, m_valueAt, valueName);
}

const RegistryValue* RegistryKey::FindValue(std::string_view valueName) const
{
    return const_cast<RegistryKey*>(this)->FindValue(valueName);
}

void RegistryKey::SetValue(std::string_view valueName, uint32_t type, std::string data)
{
    if (RegistryValue* existing = FindValue(valueName)) {
        existing->type = type;
        existing->data = std::move(data);
        return;
    }
    values.push_back({std::string(valueName), type, std::move(data)});
    m_valueAt.emplace(Upper(valueName), values.size() - 1);
}

RegistryKey& RegistryKey::CreatePath(const std::vector<std::string>& names, bool* created)
{
    RegistryKey* key = this;
    for (const std::string& name : names) {
        RegistryKey* next = key->FindSubkey(name);
        if (!next) {
            key->subkeys.emplace_back(name);
            key->m_subkeyAt.emplace(Upper(name), key->subkeys.size() - 1);
            next = &key->subkeys.back();
            if (created)
                *created = true;
        }
        key = next;
    }
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
        key = key->FindSubkey(name);
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
