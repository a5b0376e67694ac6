#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "RegistryApi.h"

// The program's truth values: true is -1, false is 0. Flags are compared with True
// exactly, so any other value counts as false.
using Bool16 = int16_t;
constexpr Bool16 True = -1;
constexpr Bool16 False = 0;

constexpr int32_t HKEY_CLASSES_ROOT_VALUE = static_cast<int32_t>(0x80000000);
constexpr int32_t HKEY_CURRENT_USER_VALUE = static_cast<int32_t>(0x80000001);

// A general accessor for the registry. Its properties name one key, a root and a path below
// it; each operation opens that key, does its one piece of work and closes it again, so no
// key handle outlives a call. Failures show only as a false result or empty text.
//
// Text is UTF-8, which is also its 8-bit form at the registry: the 255-byte read limit
// counts bytes.
class RegistryManager
{
  public:
    RegistryManager() = default;

    void BaseKey(int32_t ClientKey) { m_BaseKey = ClientKey; }
    int32_t BaseKey() const { return m_BaseKey; }
    void Subkey(const std::string& svSubKey) { m_Subkey = svSubKey; }
    std::string Subkey() const { return m_Subkey; }
    void CompanyName(const std::string& svCompanyName) { m_CompanyName = svCompanyName; }
    std::string CompanyName() const { return m_CompanyName; }
    void Application(const std::string& svApplicationName) { m_Application = svApplicationName; }
    std::string Application() const { return m_Application; }
    void UseCompanyName(Bool16 bValue) { m_UseCompanyName = bValue; }
    Bool16 UseCompanyName() const { return m_UseCompanyName; }
    void UseApplication(Bool16 bValue) { m_UseApplication = bValue; }
    Bool16 UseApplication() const { return m_UseApplication; }
    void UseAutoAppSubKeys(Bool16 bValue) { m_UseAutoAppSubKeys = bValue; }
    Bool16 UseAutoAppSubKeys() const { return m_UseAutoAppSubKeys; }

    // True when the key can be opened with full access.
    Bool16 DoesKeyExist();
    // The value's text in svValue: empty when the value is missing or longer than 254 bytes,
    // 255 blanks when the key cannot be opened.
    Bool16 ReadValue(const std::string& svValueName, std::string& svValue);
    // Writes svValue as text with its terminating NUL, under the type ClientType.
    Bool16 WriteValue(const std::string& svValueName, const std::string& svValue,
                      int32_t ClientType);
    // Creates the key and any missing key above it; true only when the key is new.
    Bool16 CreateSubKey();

    // File-type association under HKEY_CLASSES_ROOT. Each borrows the operations above with
    // its own addressing and puts the caller's back before it returns; they do not nest.
    // SetupProgramType is true only when every one of its seven values was written.
    Bool16 ForExtension(int32_t ClientAction, std::string& svExtension);
    Bool16 IsAssociatedWithExtension(const std::string& svProgram, const std::string& svExtension);
    std::string GetCurrentAssociation(const std::string& svExtension);
    Bool16 AssociateWithExtension(const std::string& svProgram, const std::string& svExtension,
                                  Bool16 bBackup);
    Bool16 SetupProgramType(const std::string& svProgram, const std::string& svDescription,
                            const std::string& svIcon, const std::string& svShellOpen,
                            const std::string& svShellPlay);

    // Makes the operations done while it lives one change of the registry where the registry is
    // the store file: another copy of the program never finds half of a Writing one, and every
    // read of a Reading one sees the store as it was at its start. Windows' own registry takes
    // each operation alone.
    class Transaction
    {
      public:
        enum Kind
        {
            Reading,
            Writing
        };
        explicit Transaction(Kind kind);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

        // Writes the changes made so far; false when they could not be written.
        bool Commit();

      private:
        struct Store;
        std::unique_ptr<Store> m_store;
    };

  private:
    struct Addressing
    {
        Bool16 UseAutoAppSubKeys = False;
        Bool16 UseCompanyName = False;
        Bool16 UseApplication = False;
        std::string Subkey;
        int32_t BaseKey = 0;
    };

    std::string BuildKeyPath() const;
    int32_t GetRootKey() const;
    bool OpenKey(HKEY& hKey, REGSAM access);
    bool CloseKey(HKEY& hKey);
    void SaveAddressing();
    void RestoreAddressing();
    // SaveAddressing, then address svSubKey directly under HKEY_CLASSES_ROOT.
    void AddressClassesRoot(const std::string& svSubKey);

    Bool16 m_UseAutoAppSubKeys = False;
    Bool16 m_UseCompanyName = True;
    Bool16 m_UseApplication = True;
    int32_t m_BaseKey = HKEY_CURRENT_USER_VALUE;
    std::string m_Subkey;
    std::string m_CompanyName;
    std::string m_Application;
    Addressing m_SavedAddressing;
};
