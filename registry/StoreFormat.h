#pragma once

#include "RegistryTree.h"

#include <optional>
#include <string>
#include <string_view>

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
// "\\" and "\"" escaped; every other value is written as hex(type) bytes. Keys come in a
// stable order, and a key without values still has its line.
namespace registry {

std::string SerializeStore(const RegistryTree& tree);

// No value when the text is not a store file; never fails otherwise, whatever the bytes.
std::optional<RegistryTree> ParseStore(std::string_view text);

} // namespace registry
