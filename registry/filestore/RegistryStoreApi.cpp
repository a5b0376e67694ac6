// The registry functions served by the store file, where the system has no registry.

#include "RegistryFunctions.h"
#include "StoreFile.h"

#include <cstring>
#include <map>
#include <mutex>

using registry::RegistryKey;
using registry::RegistryTree;
using registry::Root;

namespace {

struct OpenKey
{
    Root root;
    std::vector<std::string> names; // the path below the root
    REGSAM access;
};

// Handles given out by the open and create calls; a handle names a key, not a copy of it.
class HandleTable
{
  public:
    HKEY Add(OpenKey key)
    {
        std::lock_guard lock(m_mutex);
        const uintptr_t id = m_next++;
        m_keys.emplace(id, std::move(key));
        return reinterpret_cast<HKEY>(id);
    }

    bool Find(HKEY handle, OpenKey& key)
    {
        if (handle == HKEY_CURRENT_USER || handle == HKEY_CLASSES_ROOT) {
            key = {handle == HKEY_CURRENT_USER ? Root::CurrentUser : Root::ClassesRoot,
                   {},
                   KEY_ALL_ACCESS};
            return true;
        }
        std::lock_guard lock(m_mutex);
        auto it = m_keys.find(reinterpret_cast<uintptr_t>(handle));
        if (it == m_keys.end())
            return false;
        key = it->second;
        return true;
    }

    size_t Count()
    {
        std::lock_guard lock(m_mutex);
        return m_keys.size();
    }

    bool Remove(HKEY handle)
    {
        std::lock_guard lock(m_mutex);
        return m_keys.erase(reinterpret_cast<uintptr_t>(handle)) == 1;
    }

  private:
    std::mutex m_mutex;
    std::map<uintptr_t, OpenKey> m_keys;
    uintptr_t m_next = 0x1000;
};

HandleTable& Handles()
{
    static HandleTable table;
    return table;
}

registry::StoreFile Store()
{
    return registry::StoreFile(registry::StoreFile::DefaultPath());
}

bool Representable(std::string_view name)
{
    return name.find_first_of(std::string_view("\n\r", 2)) == std::string_view::npos;
}

// The key that parent and subKey name together, or an error.
LONG Resolve(HKEY parent, LPCSTR subKey, OpenKey& key)
{
    if (!Handles().Find(parent, key))
        return ERROR_INVALID_HANDLE;
    std::vector<std::string> names;
    if (!registry::SplitKeyPath(subKey ? subKey : "", names))
        return ERROR_INVALID_PARAMETER;
    for (std::string& name : names) {
        if (!Representable(name))
            return ERROR_INVALID_PARAMETER;
        key.names.push_back(std::move(name));
    }
    return key.names.size() > registry::DeepestKey ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
}

// The key an open handle names, when the handle was opened with the access needed.
LONG OpenedWith(HKEY handle, REGSAM needed, OpenKey& key)
{
    if (!Handles().Find(handle, key))
        return ERROR_INVALID_HANDLE;
    return (key.access & needed) == needed ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

bool WantsWrite(REGSAM access)
{
    return (access & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)) != 0;
}

} // namespace

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult)
{
    OpenKey key;
    if (const LONG error = Resolve(hKey, lpSubKey, key))
        return error;
    const registry::StoreFile store = Store();
    if (WantsWrite(samDesired) && !store.CanWrite())
        return ERROR_ACCESS_DENIED;
    bool found = false;
    if (!store.Read([&](const RegistryTree& tree) {
            found = registry::FindKey(tree.RootKey(key.root), key.names) != nullptr;
        }))
        return ERROR_ACCESS_DENIED;
    if (!found)
        return ERROR_FILE_NOT_FOUND;
    key.access = samDesired;
    *phkResult = Handles().Add(std::move(key));
    return ERROR_SUCCESS;
}

LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM samDesired,
                     LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition)
{
    OpenKey key;
    if (const LONG error = Resolve(hKey, lpSubKey, key))
        return error;
    bool created = false;
    const bool stored = Store().Modify([&](RegistryTree& tree) {
        tree.RootKey(key.root).CreatePath(key.names, &created);
        return created;
    });
    if (!stored)
        return ERROR_ACCESS_DENIED;
    key.access = samDesired;
    *phkResult = Handles().Add(std::move(key));
    if (lpdwDisposition)
        *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData,
                      LPDWORD lpcbData)
{
    OpenKey key;
    if (const LONG error = OpenedWith(hKey, KEY_QUERY_VALUE, key))
        return error;
    LONG result = ERROR_SUCCESS;
    const bool read = Store().Read([&](const RegistryTree& tree) {
        const RegistryKey* at = registry::FindKey(tree.RootKey(key.root), key.names);
        if (!at) {
            result = ERROR_KEY_DELETED;
            return;
        }
        const registry::RegistryValue* value = at->values.Find(lpValueName ? lpValueName : "");
        if (!value) {
            result = ERROR_FILE_NOT_FOUND;
            return;
        }
        if (lpType)
            *lpType = value->type;
        const DWORD size = static_cast<DWORD>(value->data.size());
        if (lpData && lpcbData && *lpcbData < size)
            result = ERROR_MORE_DATA;
        else if (lpData && lpcbData)
            std::memcpy(lpData, value->data.data(), size);
        else if (lpData)
            result = ERROR_INVALID_PARAMETER;
        if (lpcbData)
            *lpcbData = size;
    });
    return read ? result : ERROR_ACCESS_DENIED;
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                    DWORD cbData)
{
    OpenKey key;
    if (const LONG error = OpenedWith(hKey, KEY_SET_VALUE, key))
        return error;
    const std::string name = lpValueName ? lpValueName : "";
    if (!Representable(name) || (!lpData && cbData != 0))
        return ERROR_INVALID_PARAMETER;
    std::string data;
    if (lpData)
        data.assign(reinterpret_cast<const char*>(lpData), cbData);
    LONG result = ERROR_SUCCESS;
    const bool stored = Store().Modify([&](RegistryTree& tree) {
        RegistryKey* at = registry::FindKey(tree.RootKey(key.root), key.names);
        if (!at) {
            result = ERROR_KEY_DELETED;
            return false;
        }
        return at->SetValue(name, dwType, std::move(data)); // a file left as it was otherwise
    });
    return stored ? result : ERROR_ACCESS_DENIED;
}

LONG RegCloseKey(HKEY hKey)
{
    if (hKey == HKEY_CURRENT_USER || hKey == HKEY_CLASSES_ROOT)
        return ERROR_SUCCESS;
    return Handles().Remove(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

size_t registry::OpenKeys()
{
    return Handles().Count();
}
