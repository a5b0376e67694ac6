// The registry class against the registry functions it calls: the store here, Windows' under Wine.

#include "support/RegistrySandbox.h"
#include "toolkit/AsciiText.h"

#include <map>
#include <tuple>

namespace {

using Contract = RegistrySandbox;
constexpr int32_t User = HKEY_CURRENT_USER_VALUE, Classes = HKEY_CLASSES_ROOT_VALUE;

// The addressing of a manager, which the association methods must give back as they found it.
auto Addressing(const RegistryManager& m)
{
    return std::tuple(m.Subkey(), m.BaseKey(), m.UseAutoAppSubKeys(), m.UseCompanyName(),
                      m.UseApplication(), m.CompanyName() + m.Application());
}

} // namespace

TEST_F(Contract, TheKeyPathIsComposedFromTheProperties)
{
    EXPECT_EQ(RegistryManager().DoesKeyExist(), True);
    using Levels = std::vector<std::string>; // "C", "A" and "S" stand for the names set
    using Row =
        std::tuple<const char*, Bool16, Bool16, Bool16, bool, bool, int32_t, int32_t, Levels>;
    const Row rows[] = {
        // fault; auto, use company, use application, company set, subkey set, base key: root, path
        {"a level left out", True, True, True, true, false, User, User, {"Software", "C", "A"}},
        {"base key used", True, True, True, true, true, Classes, User, {"Software", "C", "A", "S"}},
        {"company not left out", True, False, True, true, false, User, User, {"Software", "A"}},
        {"empty company a level", True, True, True, false, false, User, User, {"Software", "A"}},
        {"5 taken for true", True, True, 5, true, true, User, User, {"Software", "C", "S"}},
        {"Software left out", True, False, False, true, false, User, User, {"Software"}},
        {"subkey not alone", False, True, True, true, true, Classes, Classes, {"S"}}};
    int row = 0;
    for (const auto& [fault, useAuto, useCo, useApp, company, subkey, base, root, levels] : rows) {
        std::map<std::string, std::string> name = {{"Software", "Software"}};
        for (const char* level : {"C", "A", "S"})
            name[level] = Unique(level + std::to_string(++row));
        RegistryManager manager = Direct(base, subkey ? name["S"] : "");
        manager.UseAutoAppSubKeys(useAuto), manager.UseCompanyName(useCo);
        manager.UseApplication(useApp), manager.Application(name["A"]);
        manager.CompanyName(company ? name["C"] : ""), manager.CreateSubKey();
        EXPECT_EQ(manager.WriteValue("Marker", "here", REG_SZ), True) << fault;
        std::string path;
        for (const std::string& level : levels)
            path += (path.empty() ? "" : "\\") + name[level];
        EXPECT_EQ(Read(Direct(root, path), "Marker"), "here") << fault;
    }
}

TEST_F(Contract, KeysAreMadeOnceAndFoundInAnyCase)
{
    const std::string company = Unique("Co");
    RegistryManager manager = AppKey(company, "Deep");
    manager.Subkey("a\\b\\c");
    EXPECT_EQ((std::tuple{manager.WriteValue("x", "y", REG_SZ), manager.DoesKeyExist(),
                          manager.CreateSubKey(), manager.CreateSubKey()}),
              std::tuple(False, False, True, False)); // write, exists, made, made again
    manager.WriteValue("UserName", "old", REG_SZ), manager.WriteValue("USERNAME", "new", REG_SZ);
    RegistryManager shouting = Direct(User, "SOFTWARE\\" + company + "\\DEEP\\A\\B");
    EXPECT_EQ(std::tuple(shouting.DoesKeyExist(), shouting.CreateSubKey()),
              std::tuple(True, False));
    shouting.Subkey(shouting.Subkey() + "\\C");
    EXPECT_EQ(Read(shouting, "username"), "new");
}

TEST_F(Contract, ValuesReadBackAsWrittenWithinTheBuffer)
{
    std::string wide; // 127 two-byte letters: 254 bytes
    while (wide.size() < 254)
        wide += "é";
    const std::tuple<const char*, std::string, std::string, Bool16> rows[] = {
        {"quotes or backslashes lost", "quote \" and \\ back", "quote \" and \\ back", True},
        {"the longest cut", std::string(254, 'x'), std::string(254, 'x'), True},
        {"one more read", std::string(255, 'x'), "", False},
        {"bytes counted as letters", wide, wide, True},
        {"a byte more read", wide + "é", "", False},
        {"empty not read", "", "", True}};
    RegistryManager manager = AppKey(Unique("Co"), "Carrowby");
    const auto got = [&](Bool16 ok = True) { return std::tuple{Read(manager, "Value", &ok), ok}; };
    EXPECT_EQ(got(), std::tuple(std::string(255, ' '), False));
    ASSERT_EQ(manager.CreateSubKey(), True);
    EXPECT_EQ(got(), std::tuple("", False));
    for (const auto& [fault, written, read, outcome] : rows) {
        EXPECT_EQ(manager.WriteValue("Value", written, REG_SZ), True);
        EXPECT_EQ(got(), std::tuple(read, outcome)) << fault;
    }
    EXPECT_EQ(manager.WriteValue("Typed", "abc", 3), True);
    EXPECT_EQ(Read(manager, "Typed"), "abc") << "text with its NUL whatever the type";

    const std::string path = "Software\\" + manager.CompanyName() + "\\Carrowby";
    HKEY writer{}, reader{};
    BYTE data[8] = {};
    DWORD size = sizeof data;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_WRITE, &writer), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(writer, "Value", nullptr, nullptr, data, &size),
              ERROR_ACCESS_DENIED);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &reader), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(reader, "Value", 0, REG_SZ, data, 2), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegCloseKey(writer) + RegCloseKey(reader), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(reader), ERROR_INVALID_HANDLE) << "closed already";
}

TEST_F(Contract, AssociationsTieExtensionsToProgramClasses)
{
    RegistryManager manager = AppKey("QZV", "Carrowby");
    manager.Subkey("Mine"), manager.UseCompanyName(7);
    const auto addressing = Addressing(manager);
    const std::string ext = Unique("CBT"), key = toolkit::AsciiLower("." + ext);
    auto value = [&](const std::string& name) { return Read(Direct(Classes, key), name); };
    EXPECT_EQ(manager.IsAssociatedWithExtension("", ext), False) << "no key at all";
    EXPECT_EQ(manager.GetCurrentAssociation(ext), "");
    EXPECT_EQ(Direct(Classes, key).DoesKeyExist(), False) << "nothing created";
    EXPECT_EQ(manager.AssociateWithExtension("First", ext, True), True);
    Bool16 found = False;
    EXPECT_EQ(Read(Direct(Classes, key), "backup", &found), "") << "a new key backs up nothing";
    EXPECT_EQ(found, True);
    manager.AssociateWithExtension("FIRST", ext, True);
    EXPECT_EQ(value("") + "/" + value("backup"), "FIRST/") << "the same class in other case";
    manager.AssociateWithExtension("Second", ext, True);
    EXPECT_EQ(manager.AssociateWithExtension("Third", ext, False), True);
    EXPECT_EQ(value("") + "/" + value("backup"), "Third/FIRST");
    EXPECT_EQ(manager.IsAssociatedWithExtension("THIRD", ext), True);
    EXPECT_EQ(manager.IsAssociatedWithExtension("Other", ext), False);
    EXPECT_EQ(Addressing(manager), addressing);
    EXPECT_EQ(manager.GetCurrentAssociation(ext), "Third");
    const std::string bare = Unique("nodef");
    ASSERT_EQ(Direct(Classes, "." + bare).CreateSubKey(), True);
    EXPECT_EQ(manager.IsAssociatedWithExtension("", bare), True) << "no default value";
    manager.AssociateWithExtension("Prog", ".." + bare, False);
    EXPECT_EQ(Read(Direct(Classes, "..." + bare), ""), "Prog") << "a dot given is a dot more";
    EXPECT_EQ(Addressing(manager), addressing);

    const std::string program = Unique("Carrowby.Drill");
    for (const char* description : {"Drill", "Drill again"}) {
        EXPECT_EQ(manager.SetupProgramType(program, description, "icon", "open", "play"), True);
        std::string values;
        for (const char* below :
             {"", "\\DefaultIcon", "\\shell", "\\shell\\open", "\\shell\\open\\Command",
              "\\shell\\play", "\\shell\\play\\Command"})
            values += Read(Direct(Classes, program + below), "") + "|";
        EXPECT_EQ(values, description + std::string("|icon|Play||open||play|"));
    }
    EXPECT_EQ(manager.SetupProgramType("", "Drill", "icon", "open", "play"), False);
    EXPECT_EQ(Direct(Classes, "DefaultIcon").DoesKeyExist(), False) << "nothing under the root";
    EXPECT_EQ(Addressing(manager), addressing);
}
