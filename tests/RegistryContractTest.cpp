// The registry class against the registry functions it calls: the same tests run against
// the store file here and against the real registry functions on Windows (under Wine).

#include "support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <cctype>
#include <vector>

namespace {

using Contract = RegistrySandbox;

const std::string Blanks255(255, ' ');

std::string Read(RegistryManager& manager, const std::string& name, Bool16* result = nullptr)
{
    std::string value = "left over";
    const Bool16 outcome = manager.ReadValue(name, value);
    if (result)
        *result = outcome;
    return value;
}

struct Addressing
{
    Bool16 useAuto, useCompany, useApplication;
    bool withCompany, withSubkey;
    int32_t baseKey;
    std::vector<std::string> expected; // levels; "C", "A" and "S" stand for the names set
    int32_t expectedRoot;
};

} // namespace

TEST_F(Contract, FreshObjectAddressesTheCurrentUserRoot)
{
    RegistryManager manager;
    EXPECT_EQ(manager.UseAutoAppSubKeys(), False);
    EXPECT_EQ(manager.UseCompanyName(), True);
    EXPECT_EQ(manager.UseApplication(), True);
    EXPECT_EQ(manager.BaseKey(), HKEY_CURRENT_USER_VALUE);
    EXPECT_EQ(manager.Subkey(), "");
    EXPECT_EQ(manager.DoesKeyExist(), True);
}

TEST_F(Contract, KeyPathIsComposedFromTheProperties)
{
    constexpr int32_t User = HKEY_CURRENT_USER_VALUE;
    constexpr int32_t Classes = HKEY_CLASSES_ROOT_VALUE;
    const Addressing cases[] = {
        {True, True, True, true, false, User, {"Software", "C", "A"}, User},
        {True, True, True, true, true, Classes, {"Software", "C", "A", "S"}, User},
        {True, False, True, true, false, User, {"Software", "A"}, User},
        {True, True, True, false, false, User, {"Software", "A"}, User},
        {True, True, 5, true, true, User, {"Software", "C", "S"}, User},
        {False, True, True, true, true, Classes, {"S"}, Classes},
    };
    int row = 0;
    for (const Addressing& c : cases) {
        const std::string marker = "row " + std::to_string(++row);
        const std::string company = Unique("Co" + std::to_string(row));
        const std::string application = Unique("App" + std::to_string(row));
        const std::string subkey = Unique("Sub" + std::to_string(row));
        RegistryManager manager;
        manager.UseAutoAppSubKeys(c.useAuto);
        manager.UseCompanyName(c.useCompany);
        manager.UseApplication(c.useApplication);
        manager.CompanyName(c.withCompany ? company : "");
        manager.Application(application);
        manager.BaseKey(c.baseKey);
        manager.Subkey(c.withSubkey ? subkey : "");
        EXPECT_EQ(manager.CreateSubKey(), True) << marker;
        EXPECT_EQ(manager.WriteValue("Marker", marker, REG_SZ), True) << marker;

        std::string path;
        for (const std::string& level : c.expected) {
            path += path.empty() ? "" : "\\";
            path += level == "C"   ? company
                    : level == "A" ? application
                    : level == "S" ? subkey
                                   : level;
        }
        RegistryManager reader = Direct(c.expectedRoot, path);
        EXPECT_EQ(Read(reader, "Marker"), marker) << path;
    }
}

TEST_F(Contract, SoftwareAloneWhenBothLevelsAreLeftOut)
{
    RegistryManager manager;
    manager.UseAutoAppSubKeys(True);
    manager.CompanyName(Unique("Co"));
    manager.UseCompanyName(False);
    manager.UseApplication(False);
    manager.Application("Carrowby");
    manager.CreateSubKey();
    EXPECT_EQ(manager.DoesKeyExist(), True);
    EXPECT_EQ(manager.CreateSubKey(), False);
    const std::string marker = Unique("Marker");
    EXPECT_EQ(manager.WriteValue(marker, "here", REG_SZ), True);
    RegistryManager software = Direct(HKEY_CURRENT_USER_VALUE, "Software");
    EXPECT_EQ(Read(software, marker), "here");
}

TEST_F(Contract, CreateSubKeyMakesEveryMissingLevelAndTellsNewFromExisting)
{
    RegistryManager manager = AppKey(Unique("Co"), "Deep");
    manager.Subkey("a\\b\\c");
    EXPECT_EQ(manager.DoesKeyExist(), False);
    EXPECT_EQ(manager.CreateSubKey(), True);
    EXPECT_EQ(manager.DoesKeyExist(), True);
    EXPECT_EQ(manager.CreateSubKey(), False);
    manager.Subkey("a\\b");
    EXPECT_EQ(manager.DoesKeyExist(), True);
}

TEST_F(Contract, StringsReadBackAsWritten)
{
    RegistryManager manager = AppKey(Unique("Co"), "Carrowby");
    ASSERT_EQ(manager.CreateSubKey(), True);
    const std::string texts[] = {"", " 1", "Ada's Carrowby", "quote \" and \\ back", "Zoë 日本"};
    for (const std::string& text : texts) {
        EXPECT_EQ(manager.WriteValue("Value", text, REG_SZ), True);
        Bool16 result = False;
        EXPECT_EQ(Read(manager, "Value", &result), text);
        EXPECT_EQ(result, True);
    }
    // Written as text with its NUL whatever the type says.
    EXPECT_EQ(manager.WriteValue("Typed", "abc", 3), True);
    EXPECT_EQ(Read(manager, "Typed"), "abc");
}

TEST_F(Contract, EmptyTextIsStoredAsOneNul)
{
    RegistryManager manager = AppKey(Unique("Co"), "Carrowby");
    ASSERT_EQ(manager.CreateSubKey(), True);
    ASSERT_EQ(manager.WriteValue("Empty", "", REG_SZ), True);
    HKEY key{};
    const std::string path = "Software\\" + manager.CompanyName() + "\\Carrowby";
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0;
    BYTE data[8] = {0x55, 0x55};
    DWORD size = sizeof data;
    EXPECT_EQ(RegQueryValueExA(key, "Empty", nullptr, &type, data, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 1u);
    EXPECT_EQ(data[0], 0);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(Contract, ReadsHoldAtMost254Bytes)
{
    RegistryManager manager = AppKey(Unique("Co"), "Carrowby");
    ASSERT_EQ(manager.CreateSubKey(), True);
    const std::string longest(254, 'x');
    manager.WriteValue("Longest", longest, REG_SZ);
    manager.WriteValue("TooLong", longest + "x", REG_SZ);
    // 127 two-byte letters make 254 bytes; one more makes 256.
    std::string wide;
    for (int i = 0; i < 127; ++i)
        wide += "é";
    manager.WriteValue("Wide", wide, REG_SZ);
    manager.WriteValue("TooWide", wide + "é", REG_SZ);

    Bool16 result = False;
    EXPECT_EQ(Read(manager, "Longest", &result), longest);
    EXPECT_EQ(result, True);
    EXPECT_EQ(Read(manager, "TooLong", &result), "");
    EXPECT_EQ(result, False);
    EXPECT_EQ(Read(manager, "Wide", &result), wide);
    EXPECT_EQ(Read(manager, "TooWide", &result), "");
    EXPECT_EQ(result, False);
}

TEST_F(Contract, MissingValueReadsEmptyAndUnopenableKeyReadsBlanks)
{
    RegistryManager manager = AppKey(Unique("Co"), "Carrowby");
    Bool16 result = True;
    EXPECT_EQ(Read(manager, "UserName", &result), Blanks255);
    EXPECT_EQ(result, False);
    EXPECT_EQ(manager.WriteValue("UserName", "x", REG_SZ), False);
    EXPECT_EQ(manager.DoesKeyExist(), False) << "a failed write creates nothing";

    ASSERT_EQ(manager.CreateSubKey(), True);
    result = True;
    EXPECT_EQ(Read(manager, "UserName", &result), "");
    EXPECT_EQ(result, False);
}

TEST_F(Contract, NamesMatchWithoutRegardToCase)
{
    const std::string company = Unique("Co");
    RegistryManager manager = AppKey(company, "Carrowby");
    ASSERT_EQ(manager.CreateSubKey(), True);
    manager.WriteValue("UserName", "first", REG_SZ);
    manager.WriteValue("USERNAME", "second", REG_SZ);
    RegistryManager shouting =
        Direct(HKEY_CURRENT_USER_VALUE, "SOFTWARE\\" + company + "\\CARROWBY");
    EXPECT_EQ(shouting.DoesKeyExist(), True);
    EXPECT_EQ(shouting.CreateSubKey(), False);
    EXPECT_EQ(Read(shouting, "username"), "second");
}

TEST_F(Contract, HandlesKeepTheirAccessMask)
{
    RegistryManager manager = AppKey(Unique("Co"), "Carrowby");
    ASSERT_EQ(manager.CreateSubKey(), True);
    manager.WriteValue("Value", "text", REG_SZ);
    const std::string path = "Software\\" + manager.CompanyName() + "\\Carrowby";

    HKEY writer{};
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_WRITE, &writer), ERROR_SUCCESS);
    char data[16];
    DWORD size = sizeof data;
    EXPECT_EQ(
        RegQueryValueExA(writer, "Value", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size),
        ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegCloseKey(writer), ERROR_SUCCESS);

    HKEY reader{};
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &reader), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(reader, "Value", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2),
              ERROR_ACCESS_DENIED);
    size = 2;
    EXPECT_EQ(
        RegQueryValueExA(reader, "Value", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size),
        ERROR_MORE_DATA);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(RegCloseKey(reader), ERROR_SUCCESS);
}

// File-type association.

namespace {

void ExpectAddressingRestored(const RegistryManager& manager)
{
    EXPECT_EQ(manager.Subkey(), "Mine");
    EXPECT_EQ(manager.BaseKey(), 12345);
    EXPECT_EQ(manager.UseAutoAppSubKeys(), True);
    EXPECT_EQ(manager.UseCompanyName(), 7);
    EXPECT_EQ(manager.UseApplication(), False);
    EXPECT_EQ(manager.CompanyName(), "QZV");
    EXPECT_EQ(manager.Application(), "Carrowby");
}

RegistryManager WithOwnAddressing()
{
    RegistryManager manager;
    manager.Subkey("Mine");
    manager.BaseKey(12345);
    manager.UseAutoAppSubKeys(True);
    manager.UseCompanyName(7);
    manager.UseApplication(False);
    manager.CompanyName("QZV");
    manager.Application("Carrowby");
    return manager;
}

std::string ClassesValue(const std::string& key, const std::string& name)
{
    RegistryManager reader = RegistrySandbox::Direct(HKEY_CLASSES_ROOT_VALUE, key);
    return Read(reader, name);
}

} // namespace

TEST_F(Contract, AssociationUsesTheLowerCaseKeyAndFindsItInAnyCase)
{
    RegistryManager manager = WithOwnAddressing();
    const std::string ext = Unique("CBT");
    std::string lower = ext;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));

    EXPECT_EQ(manager.AssociateWithExtension("Carrowby.Drill", ext, False), True);
    ExpectAddressingRestored(manager);
    EXPECT_EQ(ClassesValue("." + lower, ""), "Carrowby.Drill");
    EXPECT_EQ(manager.IsAssociatedWithExtension("CARROWBY.DRILL", ext), True);
    EXPECT_EQ(manager.IsAssociatedWithExtension("Other", ext), False);
    EXPECT_EQ(manager.GetCurrentAssociation(ext), "Carrowby.Drill");
    ExpectAddressingRestored(manager);
}

TEST_F(Contract, ExtensionWithItsDotGetsTwoDots)
{
    RegistryManager manager;
    const std::string ext = Unique("dot");
    manager.AssociateWithExtension("Prog", "." + ext, False);
    EXPECT_EQ(ClassesValue(".." + ext, ""), "Prog");
    EXPECT_EQ(manager.GetCurrentAssociation(ext), "");
}

TEST_F(Contract, BackupKeepsTheClassThatWasCurrentBefore)
{
    RegistryManager manager;
    const std::string ext = Unique("bak");
    const std::string key = "." + ext;

    EXPECT_EQ(manager.AssociateWithExtension("First", ext, True), True);
    EXPECT_EQ(ClassesValue(key, "backup"), "") << "a new key backs up empty text";
    RegistryManager backupReader = Direct(HKEY_CLASSES_ROOT_VALUE, key);
    Bool16 found = False;
    Read(backupReader, "backup", &found);
    EXPECT_EQ(found, True);

    manager.AssociateWithExtension("FIRST", ext, True);
    EXPECT_EQ(ClassesValue(key, ""), "FIRST") << "rewritten in the case now given";
    EXPECT_EQ(ClassesValue(key, "backup"), "") << "the same class in other case is no change";

    manager.AssociateWithExtension("Second", ext, True);
    EXPECT_EQ(ClassesValue(key, "backup"), "FIRST");
    manager.AssociateWithExtension("Third", ext, False);
    EXPECT_EQ(ClassesValue(key, "backup"), "FIRST");
    EXPECT_EQ(ClassesValue(key, ""), "Third");
}

TEST_F(Contract, EmptyProgramMatchesAnExtensionKeyWithoutDefault)
{
    RegistryManager manager;
    const std::string ext = Unique("nodef");
    EXPECT_EQ(manager.IsAssociatedWithExtension("", ext), False) << "no key at all";
    RegistryManager creator = Direct(HKEY_CLASSES_ROOT_VALUE, "." + ext);
    ASSERT_EQ(creator.CreateSubKey(), True);
    EXPECT_EQ(manager.IsAssociatedWithExtension("", ext), True);
}

TEST_F(Contract, LookingUpAnUnknownExtensionCreatesNothing)
{
    RegistryManager manager = WithOwnAddressing();
    const std::string ext = Unique("none");
    EXPECT_EQ(manager.GetCurrentAssociation(ext), "");
    ExpectAddressingRestored(manager);
    EXPECT_EQ(Direct(HKEY_CLASSES_ROOT_VALUE, "." + ext).DoesKeyExist(), False);
}

TEST_F(Contract, SetupProgramTypeWritesItsSevenKeysAgainAndAgain)
{
    RegistryManager manager = WithOwnAddressing();
    const std::string program = Unique("Carrowby.Drill");
    for (const char* description : {"Drill", "Drill again"}) {
        EXPECT_EQ(
            manager.SetupProgramType(program, description, "icon.ico,0", "open %1", "play %1"),
            True);
        ExpectAddressingRestored(manager);
        EXPECT_EQ(ClassesValue(program, ""), description);
        EXPECT_EQ(ClassesValue(program + "\\DefaultIcon", ""), "icon.ico,0");
        EXPECT_EQ(ClassesValue(program + "\\shell", ""), "Play");
        EXPECT_EQ(ClassesValue(program + "\\shell\\open", ""), "");
        EXPECT_EQ(ClassesValue(program + "\\shell\\open\\Command", ""), "open %1");
        EXPECT_EQ(ClassesValue(program + "\\shell\\play", ""), "");
        EXPECT_EQ(ClassesValue(program + "\\shell\\play\\Command", ""), "play %1");
    }
}

TEST_F(Contract, SetupProgramTypeWithoutAClassWritesNothingUnderTheRoot)
{
    RegistryManager manager = WithOwnAddressing();
    EXPECT_EQ(manager.SetupProgramType("", "Drill", "icon", "open", "play"), False);
    ExpectAddressingRestored(manager);
    EXPECT_EQ(Direct(HKEY_CLASSES_ROOT_VALUE, "DefaultIcon").DoesKeyExist(), False);
    EXPECT_NE(ClassesValue("", ""), "Drill");
}

TEST_F(Contract, ForExtensionIsReservedAndTouchesNothing)
{
    RegistryManager manager = WithOwnAddressing();
    std::string ext = Unique("fx");
    EXPECT_EQ(manager.ForExtension(0, ext), False);
    EXPECT_EQ(manager.ForExtension(-1, ext), False);
    EXPECT_EQ(ext, Unique("fx"));
    ExpectAddressingRestored(manager);
    EXPECT_EQ(Direct(HKEY_CLASSES_ROOT_VALUE, "." + ext).DoesKeyExist(), False);
}
