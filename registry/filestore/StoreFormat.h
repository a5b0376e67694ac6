#pragma once

#include "RegistryTree.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The store's file: the text form of a registry export, so a person can read, diff and
// edit it.
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\QZV\Carrowby]
//   "UserName"="Carrowby"
//   @="the key's default value"
//   "Other"=hex(3):01,02,ff
//
// A string value whose bytes are text ending in exactly one NUL is written quoted, with
// "\\" and "\"" escaped; every other value is written as hex(type) bytes, the type in
// hexadecimal. Keys come in a stable order, and a key without values still has its line.
//
// Reading takes what an export or a text editor may leave: the "REGEDIT4" header too, a UTF-8
// byte-order mark, CRLF line ends, blank and ";" comment lines (also above the header), blanks
// around a line and around "=", hex: values and hex data continued over lines with a trailing
// backslash, and root key names in any letter case. A quoted string that is not UTF-8 is read
// as Latin-1, as a REGEDIT4 file holds it, and a dword: value as its number written as text.
namespace registry {

std::string SerializeStore(const RegistryTree& tree);

// A line of the file that could not be read and was left out.
struct SkippedLine
{
    int number = 0;       // from 1, the line where it starts
    bool keyLine = false; // the values under a key line that could not be read go with it
};

struct ParsedStore
{
    RegistryTree tree;
    std::vector<SkippedLine> skipped;
    bool commented = false; // it has comments, which writing it back drops
};

// No value when the text is not a registry export at all; otherwise the tree of every line
// that could be read. Never fails, whatever the bytes.
std::optional<ParsedStore> ParseStore(std::string_view text);

} // namespace registry
