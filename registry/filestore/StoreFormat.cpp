#include "StoreFormat.h"

#include "toolkit/AsciiText.h"

#include <algorithm>
#include <cstdio>

namespace registry {

namespace {

constexpr std::string_view Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view OldHeader = "REGEDIT4";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view Blanks = " \t\r";

// Whether text can stand between quotes on one line of the file.
bool FitsOneLine(std::string_view text)
{
    return text.find_first_of(std::string_view("\n\r\0", 3)) == std::string_view::npos;
}

// Whether text is well-formed UTF-8.
bool IsUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80                   ? 1
                              : lead >= 0xC2 && lead < 0xE0 ? 2
                              : lead >= 0xE0 && lead < 0xF0 ? 3
                              : lead >= 0xF0 && lead < 0xF5 ? 4
                                                            : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

bool QuotableString(const RegistryValue& value)
{
    if (value.type != 1 || value.data.empty() || value.data.back() != '\0')
        return false;
    const std::string_view text(value.data.data(), value.data.size() - 1);
    // Text that is not UTF-8 is kept as bytes: quoted, it would read back as Latin-1.
    return FitsOneLine(text) && IsUtf8(text);
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
    char text[16];
    std::snprintf(text, sizeof text, "hex(%x):", static_cast<unsigned>(value.type));
    std::string out = text;
    for (size_t i = 0; i < value.data.size(); ++i) {
        std::snprintf(text, sizeof text, i ? ",%02x" : "%02x",
                      static_cast<unsigned char>(value.data[i]));
        out += text;
    }
    return out;
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
        return toolkit::AsciiUpper(a->name) < toolkit::AsciiUpper(b->name);
    });
    for (const RegistryKey* subkey : ordered)
        WriteKey(*subkey, path + "\\" + subkey->name, out);
}

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

// Removes prefix from the front of text, ignoring letter case; false when it is not there.
bool Take(std::string_view& text, std::string_view prefix)
{
    if (!toolkit::SameIgnoringCase(text.substr(0, prefix.size()), prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
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

// A number of 1 to 8 hexadecimal digits: the whole of text.
std::optional<uint32_t> ReadHexNumber(std::string_view text)
{
    if (text.empty() || text.size() > 8)
        return std::nullopt;
    uint32_t number = 0;
    for (char c : text) {
        const int digit = toolkit::DigitValue(c, 16);
        if (digit < 0)
            return std::nullopt;
        number = number * 16 + static_cast<uint32_t>(digit);
    }
    return number;
}

// Bytes written as hexadecimal numbers separated by commas, with blanks anywhere between.
std::optional<std::string> ReadHexBytes(std::string_view text)
{
    std::string bytes;
    text = Trimmed(text);
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const auto byte = ReadHexNumber(Trimmed(text.substr(0, comma)));
        if (!byte || *byte > 0xFF)
            return std::nullopt;
        bytes.push_back(static_cast<char>(*byte));
        if (comma == std::string_view::npos)
            break;
        text = Trimmed(text.substr(comma + 1));
        if (text.empty())
            return std::nullopt;
    }
    return bytes;
}

std::string Latin1AsUtf8(std::string_view text)
{
    std::string utf8;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80)
            utf8.push_back(c);
        else
            utf8 += {static_cast<char>(0xC0 | code >> 6), static_cast<char>(0x80 | (code & 0x3F))};
    }
    return utf8;
}

// The data after "=": a quoted string, dword:, hex: or hex(type):.
std::optional<RegistryValue> ReadData(std::string_view text)
{
    RegistryValue value;
    if (!text.empty() && text.front() == '"') {
        auto quoted = ReadQuoted(text);
        if (!quoted || !text.empty())
            return std::nullopt;
        value.data = IsUtf8(*quoted) ? std::move(*quoted) : Latin1AsUtf8(*quoted);
        value.data.push_back('\0');
        return value;
    }
    if (Take(text, "dword:")) {
        // Kept as the text of the number, which is how the program reads every value.
        const auto number = ReadHexNumber(text);
        if (!number)
            return std::nullopt;
        value.data = std::to_string(*number);
        value.data.push_back('\0');
        return value;
    }
    if (Take(text, "hex:")) {
        value.type = 3;
    } else if (Take(text, "hex(")) {
        const size_t close = text.find("):");
        const auto type = ReadHexNumber(text.substr(0, close));
        if (close == std::string_view::npos || !type)
            return std::nullopt;
        value.type = *type;
        text.remove_prefix(close + 2);
    } else {
        return std::nullopt;
    }
    auto bytes = ReadHexBytes(text);
    if (!bytes)
        return std::nullopt;
    value.data = std::move(*bytes);
    return value;
}

std::optional<RegistryValue> ReadValueLine(std::string_view line)
{
    std::string name;
    if (!line.empty() && line.front() == '@') {
        line.remove_prefix(1);
    } else {
        auto quoted = ReadQuoted(line);
        if (!quoted || quoted->empty())
            return std::nullopt;
        name = std::move(*quoted);
    }
    line = Trimmed(line);
    if (line.empty() || line.front() != '=')
        return std::nullopt;
    auto value = ReadData(Trimmed(line.substr(1)));
    if (value)
        value->name = std::move(name);
    return value;
}

RegistryKey* ReadKeyLine(std::string_view line, RegistryTree& tree)
{
    std::vector<std::string> names;
    if (line.size() < 2 || line.back() != ']' ||
        !SplitKeyPath(line.substr(1, line.size() - 2), names) || names.empty())
        return nullptr;
    for (Root root : {Root::CurrentUser, Root::ClassesRoot}) {
        if (SameName(names.front(), RootName(root))) {
            names.erase(names.begin());
            return &tree.RootKey(root).CreatePath(names);
        }
    }
    return nullptr;
}

// Whether line holds a value written as hex bytes, the only data that may go on over lines.
bool HexValue(std::string_view line)
{
    if (line.front() == '@')
        line.remove_prefix(1);
    else if (!ReadQuoted(line))
        return false;
    line = Trimmed(line);
    if (line.empty() || line.front() != '=')
        return false;
    line = Trimmed(line.substr(1));
    return Take(line, "hex");
}

// Splits text into lines, joining a hex value's line that ends in a backslash with the next
// (its data continued) unless that one starts a key; each comes with the number of the line
// where it starts.
class Lines
{
  public:
    explicit Lines(std::string_view text) : m_text(text) {}

    bool Next(std::string& line, int& number)
    {
        if (m_text.empty())
            return false;
        number = m_number + 1;
        line = Trimmed(Physical());
        // Decided once for the logical line, which keeps reading linear in a long one.
        const bool continues = !line.empty() && line.back() == '\\' && HexValue(line);
        while (continues && !line.empty() && line.back() == '\\' && !m_text.empty() &&
               !Trimmed(m_text.substr(0, m_text.find('\n'))).starts_with('[')) {
            line.pop_back();
            line += Trimmed(Physical());
        }
        return true;
    }

  private:
    std::string_view Physical()
    {
        const size_t end = m_text.find('\n');
        const std::string_view line = m_text.substr(0, end);
        m_text.remove_prefix(end == std::string_view::npos ? m_text.size() : end + 1);
        ++m_number;
        return line;
    }

    std::string_view m_text;
    int m_number = 0;
};

} // namespace

std::string SerializeStore(const RegistryTree& tree)
{
    std::string out(Header);
    out += "\n";
    for (Root root : {Root::CurrentUser, Root::ClassesRoot})
        WriteKey(tree.RootKey(root), std::string(RootName(root)), out);
    return out;
}

std::optional<ParsedStore> ParseStore(std::string_view text)
{
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        text.remove_prefix(ByteOrderMark.size());
    ParsedStore parsed;
    Lines lines(text);
    std::string line;
    int number = 0;
    bool headerSeen = false;
    RegistryKey* key = nullptr;
    bool keySkipped = false;
    while (lines.Next(line, number)) {
        if (line.empty() || line.front() == ';') {
            parsed.commented = parsed.commented || !line.empty();
        } else if (!headerSeen) {
            if (line != Header && line != OldHeader)
                return std::nullopt;
            headerSeen = true;
        } else if (line.front() == '[') {
            key = ReadKeyLine(line, parsed.tree);
            keySkipped = !key;
            if (keySkipped)
                parsed.skipped.push_back({number, true});
        } else if (auto value = key ? ReadValueLine(line) : std::nullopt) {
            key->SetValue(value->name, value->type, std::move(value->data));
        } else if (!keySkipped) {
            parsed.skipped.push_back({number, false});
        }
    }
    if (!headerSeen)
        return std::nullopt;
    return parsed;
}

} // namespace registry
