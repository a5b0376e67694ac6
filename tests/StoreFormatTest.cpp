// The store file's text: the form it is written in, and what it reads of a file a person has
// edited.

#include "registry/StoreFormat.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace registry;

namespace {

constexpr char Key[] = "[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby]\n";

// The values of Software\QZV\Carrowby as the store writes them, one line each.
std::string ValuesOf(const RegistryTree& tree)
{
    const RegistryKey* key = FindKey(tree.currentUser, {"Software", "QZV", "Carrowby"});
    if (!key)
        return "no key";
    RegistryTree alone;
    alone.classesRoot.values = key->values;
    const std::string text = SerializeStore(alone);
    return text.substr(text.find("[HKEY_CLASSES_ROOT]\n") + 20);
}

} // namespace

// Text ending in one NUL is written quoted, everything else as bytes of its type; keys come in
// order without regard to case; and what is written reads back whole, to the same text.
TEST(StoreFormat, WritesTheExportFormAndReadsItBack)
{
    const std::tuple<const char*, uint32_t, std::string, std::string> values[] = {
        {"UserName", 1, std::string("Ada's \"C\" \\o/\0", 14),
         "\"UserName\"=\"Ada's \\\"C\\\" \\\\o/\""},
        {"", 1, std::string("default\0", 8), "@=\"default\""},
        {"Empty", 1, std::string(1, '\0'), "\"Empty\"=\"\""},
        {"NoNul", 1, "abc", "\"NoNul\"=hex(1):61,62,63"},
        {"Lines", 1, std::string("a\nb\0", 4), "\"Lines\"=hex(1):61,0a,62,00"},
        {"Qword", 11, "\x01\xff", "\"Qword\"=hex(b):01,ff"},
        {"Nothing", 3, "", "\"Nothing\"=hex(3):"},
    };
    RegistryTree tree;
    tree.currentUser.CreatePath({"Software", "aardvark"});
    RegistryKey& key = tree.currentUser.CreatePath({"Software", "QZV", "Carrowby"});
    std::string lines;
    for (const auto& [name, type, data, line] : values) {
        key.SetValue(name, type, data);
        lines += line + "\n";
    }
    const std::string text = SerializeStore(tree);
    EXPECT_EQ(text, "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER]\n\n"
                    "[HKEY_CURRENT_USER\\Software]\n\n[HKEY_CURRENT_USER\\Software\\aardvark]\n\n"
                    "[HKEY_CURRENT_USER\\Software\\QZV]\n\n" +
                        std::string(Key) + lines + "\n[HKEY_CLASSES_ROOT]\n");
    const auto parsed = ParseStore(text);
    ASSERT_TRUE(parsed && parsed->skipped.empty());
    EXPECT_EQ(SerializeStore(parsed->tree), text);
}

TEST(StoreFormat, ReadsWhatAPersonOrAnExportMayLeave)
{
    struct Row
    {
        const char* name;
        std::string text;
        const char* values;
        std::vector<int> skipped = {}; // a key line's number negative
    };
    const std::string header = "Windows Registry Editor Version 5.00\n";
    const Row rows[] = {
        {"a text editor's save: byte-order mark, CRLF, a trailing blank, one mistyped line",
         "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
         "[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby] \r\n"
         "\"UserName\"=\"Ada\" \r\n\"chk7\"=\" 1\r\n\"chk2\"=\" 1\"\t\r\n",
         "\"UserName\"=\"Ada\"\n\"chk2\"=\" 1\"\n",
         {5}},
        {"the older header, comments, any case of the root, blanks around the equals sign",
         "REGEDIT4\n; note\n\n[hkey_current_user\\Software\\QZV\\Carrowby]\n  \"a\" = \"b\"\n"
         "\"a\"=\"c\"\n",
         "\"a\"=\"c\"\n"},
        {"dword, binary and typed hex data, continued over lines",
         header + Key +
             "\"d\"=dword:0000001f\n\"h\"=hex:01,02,\\\n  03, "
             "04\n\"x\"=HEX(b):01,00\n@=hex(2):41,00\n",
         "\"d\"=hex(4):1f,00,00,00\n\"h\"=hex(3):01,02,03,04\n\"x\"=hex(b):01,00\n@=hex(2):41,"
         "00\n"},
        {"lines that cannot be read, the values around them kept",
         header + "\"early\"=\"x\"\n" + Key +
             "\"a\"=\"1\"\n\"b\"=hex(1):61,\n\"c\"=hex(x):61\n\"d\"=\"b\" trailing\n"
             "\"\"=\"b\"\n\"e\"=\"b\\n\"\n\"f\"=dword:123456789\n\"g\"=hex:100\nnonsense\n"
             "[HKEY_LOCAL_MACHINE\\x]\n\"lost\"=\"x\"\n[HKEY_CURRENT_USER\\a\\\\b]\n" +
             Key + "\"z\"=\"26\"\n",
         "\"a\"=\"1\"\n\"z\"=\"26\"\n",
         {2, 5, 6, 7, 8, 9, 10, 11, 12, -13, -15}},
    };
    for (const Row& row : rows) {
        const auto parsed = ParseStore(row.text);
        ASSERT_TRUE(parsed.has_value()) << row.name;
        EXPECT_EQ(ValuesOf(parsed->tree), row.values) << row.name;
        std::vector<int> skipped;
        for (const SkippedLine& line : parsed->skipped)
            skipped.push_back(line.keyLine ? -line.number : line.number);
        EXPECT_EQ(skipped, row.skipped) << row.name;
    }
    for (const char* text : {"",
                             "garbage\n"
                             "Windows Registry Editor Version 5.00\n",
                             "Windows Registry Editor Version 4.00\n"})
        EXPECT_FALSE(ParseStore(text).has_value()) << "not an export: " << text;
}
