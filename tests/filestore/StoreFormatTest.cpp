// The store file's text: what it reads of what a person or an export leaves, and what it writes.

#include "registry/filestore/StoreFormat.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace registry;

namespace {

constexpr char Header[] = "Windows Registry Editor Version 5.00\n";
constexpr char Key[] = "[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby]\n";
// Text at each edge of UTF-8's lengths (an emoji the longest), quoted; bytes that are no UTF-8
// (past the largest lead, an overlong lead, a lone follower, a broken or cut character) in hex.
const std::string Utf8 = "\"v\"=hex(1):c2,80,df,bf,e0,a0,80,f0,9f,98,80,f4,8f,bf,bf,00\n";
const std::string NotUtf8 = "\"w\"=hex(1):f5,80,80,80,00\n\"x\"=hex(1):c1,bf,00\n"
                            "\"y\"=hex(1):80,00\n\"z\"=hex(1):c3,28,00\n\"zz\"=hex(1):e2,82,00\n";

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

// A key line levels deep below the current user's root, each level's name letters long.
std::string Deep(int levels, size_t letters = 1)
{
    return levels ? Deep(levels - 1, letters).insert(18, "\\" + std::string(letters, 'k'))
                  : "[HKEY_CURRENT_USER]\n";
}

} // namespace

TEST(StoreFormat, WhatItReadsItWritesBackInTheExportForm)
{
    // what the row shows, text read, values written back, lines skipped (a key line's negative)
    // clang-format off
    const std::tuple<const char*, std::string, std::string, std::vector<int>> rows[] = {
        {"text ending in one NUL quoted, quotes and backslashes escaped; other bytes in hex",
         Header + std::string(Key) + "\"q\"=\"say \\\"hi\\\" \\\\o/\"\n@=\"\"\n\"s\"=hex(1):61,00\n"
             "\"n\"=hex(1):61,62\n\"l\"=hex(1):61,0a,00\n\"e\"=hex:\n\"u\"=hex(1):ff,61,00\n" +
             Utf8 + NotUtf8,
         "\"q\"=\"say \\\"hi\\\" \\\\o/\"\n@=\"\"\n\"s\"=\"a\"\n\"n\"=hex(1):61,62\n"
         "\"l\"=hex(1):61,0a,00\n\"e\"=hex(3):\n\"u\"=hex(1):ff,61,00\n"
         "\"v\"=\"\xc2\x80\xdf\xbf\xe0\xa0\x80\xf0\x9f\x98\x80\xf4\x8f\xbf\xbf\"\n" + NotUtf8, {}},
        {"a text editor's save: byte-order mark, CRLF, a trailing blank, one mistyped line",
         "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
         "[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby] \r\n"
         "\"UserName\"=\"Ada\" \r\n\"chk7\"=\" 1\r\n\"chk2\"=\" 1\"\t\r\n",
         "\"UserName\"=\"Ada\"\n\"chk2\"=\" 1\"\n", {5}},
        {"comments above the older header too, the root in any case, blanks by =, Latin-1 text",
         "; my settings\n\nREGEDIT4\n; note\n\n[hkey_current_user\\Software\\QZV\\Carrowby]\n"
         "  \"a\" = \"b\"\n\"a\"=\"c\"\n; a comment that ends \\\n\"z\"=\"Jos\xe9\x80\"\n",
         "\"a\"=\"c\"\n\"z\"=\"Jos\xc3\xa9\xc2\x80\"\n", {}},
        {"dword as the text of its number, binary and typed hex data, continued over lines",
         Header + std::string(Key) + "\"d\"=dword:0000001f\n\"h\"=hex:01,02,\\\n  03, 04\n"
             "\"x\"=HEX(b):01,00\n@=hex(2):41,\\\n00\n",
         "\"d\"=\"31\"\n\"h\"=hex(3):01,02,03,04\n\"x\"=hex(b):01,00\n@=hex(2):41,00\n", {}},
        {"lines that cannot be read (one no hex value to go on), the values around them kept",
         Header + std::string("\"early\"=\"x\"\n") + Key +
             "\"a\"=\"1\"\n\"b\"=hex(1):61,\n\"c\"=hex(x):61\n\"d\"=\"b\" trailing\n"
             "\"\"=\"b\"\n\"e\"=\"b\\n\"\n\"f\"=dword:123456789\n\"g\"=hex:100\nnonsense\n"
             "[HKEY_LOCAL_MACHINE\\x]\n\"lost\"=\"x\"\n[HKEY_CURRENT_USER\\a\\\\b]\n" +
             Key + "\"z\"=\"26\"\n\"m\":hex:01,\\\n\"y\"=\"25\"\n\"q\"x\"r\"\n",
         "\"a\"=\"1\"\n\"z\"=\"26\"\n\"y\"=\"25\"\n",
         {2, 5, 6, 7, 8, 9, 10, 11, 12, -13, -15, 18, 20}},
        {"keys beyond the registry's limits; a key line ends a hex value continued before it",
         Header + Deep(1, 256) + Deep(1, 255) + Deep(513) + Deep(512) + Key +
             "\"h\"=hex:01,\\\n[HKEY_CURRENT_USER\\Software\\QZV\\Carrowby\\Sub]\n\"s\"=\"x\"\n",
         "", {-2, -4, 7}}};
    // clang-format on
    for (const auto& [name, text, values, skippedLines] : rows) {
        const auto parsed = ParseStore(text);
        ASSERT_TRUE(parsed.has_value()) << name;
        EXPECT_EQ(ValuesOf(parsed->tree), values) << name;
        std::vector<int> skipped;
        for (const SkippedLine& line : parsed->skipped)
            skipped.push_back(line.keyLine ? -line.number : line.number);
        EXPECT_EQ(skipped, skippedLines) << name;
    }
    // Keys come in order without regard to case, each with its line, under the export's header.
    const auto keys = ParseStore(std::string(Header) + "[HKEY_CURRENT_USER\\Software\\QZV]\n"
                                                       "[HKEY_CURRENT_USER\\Software\\aardvark]\n");
    EXPECT_EQ(SerializeStore(keys->tree),
              std::string(Header) + "\n[HKEY_CURRENT_USER]\n\n[HKEY_CURRENT_USER\\Software]\n\n"
                                    "[HKEY_CURRENT_USER\\Software\\aardvark]\n\n"
                                    "[HKEY_CURRENT_USER\\Software\\QZV]\n\n[HKEY_CLASSES_ROOT]\n");
    for (const char* text : {"", "garbage\nWindows Registry Editor Version 5.00\n",
                             "Windows Registry Editor Version 4.00\n"})
        EXPECT_FALSE(ParseStore(text).has_value()) << "not an export: " << text;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size); // StoreParserFuzz.cpp

// The fuzz target's properties on every input of its corpus (make fuzz searches for more).
TEST(StoreFormat, TheFuzzCorpusKeepsEveryProperty)
{
    for (const auto& input : std::filesystem::directory_iterator(CARROWBY_FUZZ_CORPUS)) {
        const std::string bytes{std::istreambuf_iterator<char>(std::ifstream(input.path()).rdbuf()),
                                {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
}
