#include "StoreFormat.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace registry {

namespace {

constexpr std::string_view Header = "Windows Registry Editor Version 5.00";

// Whether text can stand between quotes on one line of the file.
bool FitsOneLine(std::string_view text)
{
    return text.find_first_of(std::string_view("\n\r\0", 3)) == std::string_view::npos;
}

bool QuotableString(const RegistryValue& value)
{
    if (value.type != 1 || value.data.empty() || value.data.back() != '\0')
        return false;
    const std::string_view text(value.data.data(), value.data.size() - 1);
    return FitsOneLine(text);
}

std::string Quote(std::string_view text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            quoted.push_back('\\');
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

std::string HexBytes(const RegistryValue& value)
{
    std::string text = "hex(" + std::to_string(value.type) + "):";
    char byte[4];
    for (size_t i = 0; i < value.data.size(); ++i) {
        std::snprintf(byte, sizeof byte, i ? ",%02x" : "%02x",
                      static_cast<unsigned char>(value.data[i]));
        text += byte;
    }
    return text;
}

void WriteKey(const RegistryKey& key, const std::string& path, std::string& out)
{
    out += "\n[" + path + "]\n";
    for (const RegistryValue& value : key.values) {
        out += value.name.empty() ? "@" : Quote(value.name);
        out += "=";
        if (QuotableString(value))
            out += Quote(std::string_view(value.data.data(), value.data.size() - 1));
        else
            out += HexBytes(value);
        out += "\n";
    }
    std::vector<const RegistryKey*> ordered;
    for (const RegistryKey& subkey : key.subkeys)
        ordered.push_back(&subkey);
    std::sort(ordered.begin(), ordered.end(), [](const RegistryKey* a, const RegistryKey* b) {
        return std::lexicographical_compare(a->name.begin(), a->name.end(), b->name.begin(),
                                            b->name.end(), [](char x, char y) {
                                                return std::toupper(static_cast<unsigned char>(x)) <
                                                       std::toupper(static_cast<unsigned char>(y));
                                            });
    });
    for (const RegistryKey* subkey : ordered)
        WriteKey(*subkey, path + "\\" + subkey->name, out);
}

// Reads a quoted string at the front of text, leaving text after its closing quote.
std::optional<std::string> ReadQuoted(std::string_view& text)
{
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string result;
    size_t i = 1;
    for (; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] == '\\') {
            if (++i >= text.size() || (text[i] != '\\' && text[i] != '"'))
                return std::nullopt;
        }
        result.push_back(text[i]);
    }
    if (i >= text.size())
        return std::nullopt;
    text.remove_prefix(i + 1);
    return result;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> ReadHexBytes(std::string_view text)
{
    std::string bytes;
    while (!text.empty()) {
        if (text.size() < 2 || HexDigit(text[0]) < 0 || HexDigit(text[1]) < 0)
            return std::nullopt;
        bytes.push_back(static_cast<char>(HexDigit(text[0]) * 16 + HexDigit(text[1])));
        text.remove_prefix(2);
        if (!text.empty()) {
            if (text.front() != ',' || text.size() == 1)
                return std::nullopt;
            text.remove_prefix(1);
        }
    }
    return bytes;
}

std::optional<RegistryValue> ReadValueLine(std::string_view line)
{
    RegistryValue value;
    if (!line.empty() && line.front() == '@') {
        line.remove_prefix(1);
    } else {
        auto name = ReadQuoted(line);
        if (!name || name->empty())
            return std::nullopt;
        value.name = std::move(*name);
    }
    if (line.empty() || line.front() != '=')
        return std::nullopt;
    line.remove_prefix(1);
    if (!line.empty() && line.front() == '"') {
        auto text = ReadQuoted(line);
        if (!text || !line.empty())
            return std::nullopt;
        value.type = 1;
        value.data = std::move(*text);
        value.data.push_back('\0');
        return value;
    }
    constexpr std::string_view hexPrefix = "hex(";
    if (line.substr(0, hexPrefix.size()) != hexPrefix)
        return std::nullopt;
    line.remove_prefix(hexPrefix.size());
    const size_t close = line.find("):");
    if (close == 0 || close == std::string_view::npos || close > 10)
        return std::nullopt;
    unsigned long type = 0;
    for (char c : line.substr(0, close)) {
        const int digit = HexDigit(c);
        if (digit < 0 || digit > 9)
            return std::nullopt;
        type = type * 10 + digit;
    }
    if (type > 0xFFFFFFFFul)
        return std::nullopt;
    auto bytes = ReadHexBytes(line.substr(close + 2));
    if (!bytes)
        return std::nullopt;
    value.type = static_cast<uint32_t>(type);
    value.data = std::move(*bytes);
    return value;
}

RegistryKey* ReadKeyLine(std::string_view path, RegistryTree& tree)
{
    std::vector<std::string> names;
    if (!SplitKeyPath(path, names) || names.empty())
        return nullptr;
    RegistryKey* key = nullptr;
    if (names.front() == RootName(Root::CurrentUser))
        key = &tree.currentUser;
    else if (names.front() == RootName(Root::ClassesRoot))
        key = &tree.classesRoot;
    else
        return nullptr;
    for (size_t i = 1; i < names.size(); ++i) {
        RegistryKey* next = key->FindSubkey(names[i]);
        if (!next) {
            key->subkeys.push_back({names[i], {}, {}});
            next = &key->subkeys.back();
        }
        key = next;
    }
    return key;
}

} // namespace

std::string SerializeStore(const RegistryTree& tree)
{
    std::string out(Header);
    out += "\n";
    for (Root root : {Root::CurrentUser, Root::ClassesRoot})
        WriteKey(tree.RootKey(root), std::string(RootName(root)), out);
    return out;
}

std::optional<RegistryTree> ParseStore(std::string_view text)
{
    RegistryTree tree;
    RegistryKey* key = nullptr;
    bool headerSeen = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!headerSeen) {
            if (line != Header)
                return std::nullopt;
            headerSeen = true;
            continue;
        }
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 2)
                return std::nullopt;
            key = ReadKeyLine(line.substr(1, line.size() - 2), tree);
            if (!key)
                return std::nullopt;
            continue;
        }
        auto value = ReadValueLine(line);
        if (!key || !value)
            return std::nullopt;
        key->SetValue(value->name, value->type, std::move(value->data));
    }
    if (!headerSeen)
        return std::nullopt;
    return tree;
}

} // namespace registry
