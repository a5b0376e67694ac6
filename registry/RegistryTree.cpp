#include "RegistryTree.h"

#include "toolkit/AsciiText.h"

#include <algorithm>

namespace registry {

namespace {

template <typename Item> Item* FindNamed(std::vector<Item>& items, std::string_view name)
{
    auto it = std::find_if(items.begin(), items.end(),
                           [name](const Item& item) { return SameName(item.name, name); });
    return it == items.end() ? nullptr : &*it;
}

} // namespace

bool SameName(std::string_view a, std::string_view b)
{
    return toolkit::SameIgnoringCase(a, b);
}

RegistryKey* RegistryKey::FindSubkey(std::string_view subkeyName)
{
    return FindNamed(subkeys, subkeyName);
}

const RegistryKey* RegistryKey::FindSubkey(std::string_view subkeyName) const
{
    return const_cast<RegistryKey*>(this)->FindSubkey(subkeyName);
}

RegistryValue* RegistryKey::FindValue(std::string_view valueName)
{
    return FindNamed(values, valueName);
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
}

RegistryKey& RegistryKey::CreatePath(const std::vector<std::string>& names, bool* created)
{
    RegistryKey* key = this;
    for (const std::string& name : names) {
        RegistryKey* next = key->FindSubkey(name);
        if (!next) {
            key->subkeys.push_back({name, {}, {}});
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
