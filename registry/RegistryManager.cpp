#include "RegistryManager.h"

#include "toolkit/AsciiText.h"

namespace {

constexpr DWORD ReadBufferSize = 255;

HKEY RootHandle(int32_t rootKey)
{
    return reinterpret_cast<HKEY>(static_cast<intptr_t>(rootKey));
}

// The key of a file extension under HKEY_CLASSES_ROOT.
std::string ExtensionKey(const std::string& extension)
{
    std::string key(1, '.');
    key.append(extension);
    return key;
}

} // namespace

std::string RegistryManager::BuildKeyPath() const
{
    if (m_UseAutoAppSubKeys != True)
        return m_Subkey;
    std::string path = "Software";
    if (!m_CompanyName.empty() && m_UseCompanyName == True)
        path.append("\\").append(m_CompanyName);
    if (!m_Application.empty() && m_UseApplication == True)
        path.append("\\").append(m_Application);
    if (!m_Subkey.empty())
        path.append("\\").append(m_Subkey);
    return path;
}

int32_t RegistryManager::GetRootKey() const
{
    return m_UseAutoAppSubKeys == True ? HKEY_CURRENT_USER_VALUE : m_BaseKey;
}

bool RegistryManager::OpenKey(HKEY& hKey, REGSAM access)
{
    return RegOpenKeyExA(RootHandle(GetRootKey()), BuildKeyPath().c_str(), 0, access, &hKey) ==
           ERROR_SUCCESS;
}

bool RegistryManager::CloseKey(HKEY& hKey)
{
    return RegCloseKey(hKey) == ERROR_SUCCESS;
}

Bool16 RegistryManager::DoesKeyExist()
{
    HKEY hKey{};
    const bool opened = OpenKey(hKey, KEY_ALL_ACCESS);
    const bool closed = opened && CloseKey(hKey);
    return opened && closed ? True : False;
}

Bool16 RegistryManager::ReadValue(const std::string& svValueName, std::string& svValue)
{
    svValue.assign(ReadBufferSize, ' ');
    HKEY hKey{};
    if (!OpenKey(hKey, KEY_READ))
        return False;
    DWORD type = REG_SZ;
    DWORD size = ReadBufferSize;
    std::string buffer(ReadBufferSize, ' ');
    const LONG outcome = RegQueryValueExA(hKey, svValueName.c_str(), nullptr, &type,
                                          reinterpret_cast<BYTE*>(buffer.data()), &size);
    CloseKey(hKey);
    if (outcome == ERROR_SUCCESS && size >= 1)
        svValue = buffer.substr(0, size - 1);
    else
        svValue.clear();
    return outcome == ERROR_SUCCESS ? True : False;
}

Bool16 RegistryManager::WriteValue(const std::string& svValueName, const std::string& svValue,
                                   int32_t ClientType)
{
    HKEY hKey{};
    if (!OpenKey(hKey, KEY_WRITE))
        return False;
    const LONG outcome = RegSetValueExA(
        hKey, svValueName.c_str(), 0, static_cast<DWORD>(ClientType),
        reinterpret_cast<const BYTE*>(svValue.c_str()), static_cast<DWORD>(svValue.size() + 1));
    CloseKey(hKey);
    return outcome == ERROR_SUCCESS ? True : False;
}

Bool16 RegistryManager::CreateSubKey()
{
    char emptyClass[] = "";
    SECURITY_ATTRIBUTES security{};
    security.nLength = sizeof security;
    security.lpSecurityDescriptor = nullptr;
    security.bInheritHandle = 1;
    HKEY hKey{};
    DWORD disposition = 0;
    const LONG result =
        RegCreateKeyExA(RootHandle(GetRootKey()), BuildKeyPath().c_str(), 0, emptyClass,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE, &security, &hKey, &disposition);
    if (result != ERROR_SUCCESS)
        return False;
    RegCloseKey(hKey);
    return disposition == REG_CREATED_NEW_KEY ? True : False;
}

Bool16 RegistryManager::ForExtension(int32_t, std::string&)
{
    return False;
}

void RegistryManager::SaveAddressing()
{
    m_SavedAddressing = {m_UseAutoAppSubKeys, m_UseCompanyName, m_UseApplication, m_Subkey,
                         m_BaseKey};
}

void RegistryManager::RestoreAddressing()
{
    m_UseAutoAppSubKeys = m_SavedAddressing.UseAutoAppSubKeys;
    m_UseCompanyName = m_SavedAddressing.UseCompanyName;
    m_UseApplication = m_SavedAddressing.UseApplication;
    m_Subkey = m_SavedAddressing.Subkey;
    m_BaseKey = m_SavedAddressing.BaseKey;
}

void RegistryManager::AddressClassesRoot(const std::string& svSubKey)
{
    SaveAddressing();
    m_UseAutoAppSubKeys = False;
    m_UseCompanyName = False;
    m_UseApplication = False;
    m_BaseKey = HKEY_CLASSES_ROOT_VALUE;
    m_Subkey = svSubKey;
}

Bool16 RegistryManager::IsAssociatedWithExtension(const std::string& svProgram,
                                                  const std::string& svExtension)
{
    AddressClassesRoot(ExtensionKey(svExtension));
    Bool16 result = False;
    if (DoesKeyExist() == True) {
        std::string current;
        ReadValue("", current);
        result = toolkit::AsciiUpper(current) == toolkit::AsciiUpper(svProgram) ? True : False;
    }
    RestoreAddressing();
    return result;
}

std::string RegistryManager::GetCurrentAssociation(const std::string& svExtension)
{
    std::string result;
    AddressClassesRoot(ExtensionKey(svExtension));
    if (DoesKeyExist() == True)
        ReadValue("", result);
    RestoreAddressing();
    return result;
}

Bool16 RegistryManager::AssociateWithExtension(const std::string& svProgram,
                                               const std::string& svExtension, Bool16 bBackup)
{
    AddressClassesRoot(ExtensionKey(toolkit::AsciiLower(svExtension)));
    if (DoesKeyExist() != True)
        CreateSubKey();
    if (bBackup == True) {
        std::string previous;
        ReadValue("", previous);
        if (toolkit::AsciiLower(previous) != toolkit::AsciiLower(svProgram))
            WriteValue("backup", previous, REG_SZ);
    }
    const Bool16 result = WriteValue("", svProgram, REG_SZ);
    RestoreAddressing();
    return result;
}

Bool16 RegistryManager::SetupProgramType(const std::string& svProgram,
                                         const std::string& svDescription,
                                         const std::string& svIcon, const std::string& svShellOpen,
                                         const std::string& svShellPlay)
{
    // An empty class name would address HKEY_CLASSES_ROOT itself: write nothing there.
    if (svProgram.empty())
        return False;
    AddressClassesRoot(svProgram);
    const std::pair<const char*, std::string> steps[] = {
        {"", svDescription},
        {"\\DefaultIcon", svIcon},
        {"\\shell", "Play"},
        {"\\shell\\open", ""},
        {"\\shell\\open\\Command", svShellOpen},
        {"\\shell\\play", ""},
        {"\\shell\\play\\Command", svShellPlay},
    };
    Bool16 result = True;
    for (const auto& [below, value] : steps) {
        m_Subkey = svProgram + below;
        CreateSubKey();
        if (WriteValue("", value, REG_SZ) != True)
            result = False;
    }
    RestoreAddressing();
    return result;
}
