#include "registry/StoreFormat.h"

#include <gtest/gtest.h>

using namespace registry;

namespace {

RegistryTree SampleTree()
{
    RegistryTree tree;
    RegistryKey carrowby{"Carrowby", {}, {}};
    carrowby.SetValue("UserName", 1, std::string("Ada's \"Carrowby\" \\o/") + '\0');
    carrowby.SetValue("", 1, std::string("default\0", 8));
    carrowby.SetValue("Binary", 3, std::string("\x01\x02\xff", 3));
    carrowby.SetValue("NoNul", 1, "abc");
    carrowby.SetValue("TwoNuls", 1, std::string("ab\0\0", 4));
    carrowby.SetValue("Lines", 1, std::string("a\nb\0", 4));
    carrowby.SetValue("Empty", 1, std::string("\0", 1));
    carrowby.SetValue("Nothing", 3, "");
    RegistryKey qzv{"QZV", {}, {carrowby}};
    RegistryKey software{"Software", {}, {qzv, RegistryKey{"aardvark", {}, {}}}};
    tree.currentUser.subkeys.push_back(software);
    tree.classesRoot.subkeys.push_back({".txt", {{"", 1, std::string("Prog\0", 5)}}, {}});
    return tree;
}

} // namespace

TEST(StoreFormat, WritesTheReadableExportForm)
{
    const std::string text = SerializeStore(SampleTree());
    EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\n\n", 0), 0u);
    for (const char* line : {
             "[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby]\n",
             "\"UserName\"=\"Ada's \\\"Carrowby\\\" \\\\o/\"\n",
             "@=\"default\"\n",
             "\"Binary\"=hex(3):01,02,ff\n",
             "\"NoNul\"=hex(1):61,62,63\n",
             "\"TwoNuls\"=hex(1):61,62,00,00\n",
             "\"Lines\"=hex(1):61,0a,62,00\n",
             "\"Empty\"=\"\"\n",
             "\"Nothing\"=hex(3):\n",
             "[HKEY_CURRENT_USER\\Software\\aardvark]\n",
             "[HKEY_CLASSES_ROOT\\.txt]\n",
         })
        EXPECT_NE(text.find(line), std::string::npos) << line;
    // Keys in a stable order, without regard to case.
    EXPECT_LT(text.find("Software\\aardvark]"), text.find("Software\\QZV]"));
}

TEST(StoreFormat, ReadsBackWhatItWrites)
{
    const std::string text = SerializeStore(SampleTree());
    const auto tree = ParseStore(text);
    ASSERT_TRUE(tree.has_value());
    EXPECT_EQ(SerializeStore(*tree), text);
    const RegistryKey* key = FindKey(tree->currentUser, {"software", "qzv", "CARROWBY"});
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->name, "Carrowby");
    ASSERT_NE(key->FindValue("username"), nullptr);
    EXPECT_EQ(key->FindValue("USERNAME")->data, std::string("Ada's \"Carrowby\" \\o/") + '\0');
    EXPECT_EQ(key->FindValue("Binary")->type, 3u);
}

TEST(StoreFormat, AcceptsWhatAPersonMayWrite)
{
    const auto tree = ParseStore("Windows Registry Editor Version 5.00\r\n"
                                 "\r\n"
                                 "; hand-edited\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby]\r\n"
                                 "\"chk7\"=\"1\"\r\n"
                                 "\"chk7\"=\" 1\"\r\n");
    ASSERT_TRUE(tree.has_value());
    const RegistryKey* key = FindKey(tree->currentUser, {"Software", "QZV", "Carrowby"});
    ASSERT_NE(key, nullptr) << "levels above a listed key exist too";
    EXPECT_EQ(key->values.size(), 1u);
    EXPECT_EQ(key->FindValue("chk7")->data, std::string(" 1\0", 3));
}

TEST(StoreFormat, RefusesWhatIsNotAStore)
{
    const char* texts[] = {
        "",
        "Windows Registry Editor Version 4.00\n",
        "garbage",
        "Windows Registry Editor Version 5.00\n\"a\"=\"b\"\n",
        "Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\x]\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\a\\\\b]\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"a\"=\"b\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"a\"=\"b\\n\"\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"a\"=hex(1):6\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"a\"=hex(1):61,\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"a\"=hex(x):61\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"a\"=hex(99999999999):61\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"a\"=\"b\" trailing\n",
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER]\n\"\"=\"b\"\n",
    };
    for (const char* text : texts)
        EXPECT_FALSE(ParseStore(text).has_value()) << text;
}
