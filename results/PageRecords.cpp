#include "PageRecords.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string_view>

namespace results {

namespace {

constexpr std::string_view Magic("SQLite format 3\0", 16);
constexpr uint8_t TableLeaf = 0x0d;

// The bytes of the file, read with bounds: a damaged page never reads past its end.
class Bytes
{
  public:
    explicit Bytes(std::string data) : m_data(std::move(data)) {}
    size_t Size() const { return m_data.size(); }
    uint64_t BigEndian(size_t at, size_t width) const
    {
        uint64_t value = 0;
        for (size_t i = 0; i < width && at + i < m_data.size(); ++i)
            value = value << 8 | static_cast<uint8_t>(m_data[at + i]);
        return value;
    }
    // SQLite's variable-length integer; false where it runs past end.
    bool Varint(size_t& at, size_t end, uint64_t& value) const
    {
        value = 0;
        for (int i = 0; i < 9; ++i) {
            if (at >= end)
                return false;
            const auto byte = static_cast<uint8_t>(m_data[at++]);
            if (i == 8)
                return value = value << 8 | byte, true;
            value = value << 7 | (byte & 0x7f);
            if (!(byte & 0x80))
                return true;
        }
        return true;
    }
    std::string Text(size_t at, size_t length) const { return m_data.substr(at, length); }

  private:
    std::string m_data;
};

// A record's values, from its header's serial types; false where it does not fit its bytes.
bool ReadRecord(const Bytes& bytes, size_t at, size_t end, std::vector<PageValue>& values)
{
    uint64_t headerSize = 0;
    size_t types = at;
    if (!bytes.Varint(types, end, headerSize) || headerSize < 1 || at + headerSize > end)
        return false;
    size_t body = at + headerSize;
    while (types < at + headerSize) {
        uint64_t type = 0;
        if (!bytes.Varint(types, at + headerSize, type) || type == 10 || type == 11)
            return false;
        static constexpr size_t IntegerWidth[] = {0, 1, 2, 3, 4, 6, 8};
        const size_t width = type <= 6   ? IntegerWidth[type]
                             : type == 7 ? 8
                             : type < 12 ? 0
                                         : (type - 12) / 2;
        if (body + width > end)
            return false;
        if (type == 0) {
            values.emplace_back();
        } else if (type <= 6) {
            const uint64_t raw = bytes.BigEndian(body, width);
            const unsigned shift = static_cast<unsigned>(64 - 8 * width);
            values.emplace_back(static_cast<int64_t>(raw << shift) >> shift); // its sign
        } else if (type == 7) {
            const uint64_t raw = bytes.BigEndian(body, 8);
            double real;
            static_assert(sizeof real == sizeof raw);
            std::memcpy(&real, &raw, sizeof real);
            values.emplace_back(real);
        } else if (type == 8 || type == 9) {
            values.emplace_back(int64_t(type - 8));
        } else {
            values.emplace_back(bytes.Text(body, width));
        }
        body += width;
    }
    return body == end;
}

// The pages on the file's list of free pages, as far as the list can be followed.
std::set<uint64_t> FreePages(const Bytes& bytes, size_t pageSize, uint64_t pages)
{
    std::set<uint64_t> free;
    for (uint64_t trunk = bytes.BigEndian(32, 4); trunk > 1 && trunk <= pages;) {
        if (!free.insert(trunk).second)
            break; // a list that turns back on itself
        const size_t at = (trunk - 1) * pageSize;
        const uint64_t leaves = bytes.BigEndian(at + 4, 4);
        for (uint64_t leaf = 0; leaf < leaves && leaf < pageSize / 4 - 2; ++leaf)
            free.insert(bytes.BigEndian(at + 8 + 4 * leaf, 4));
        trunk = bytes.BigEndian(at, 4);
    }
    return free;
}

// The rows of one table leaf page that can be read.
void ReadLeaf(const Bytes& bytes, size_t page, size_t header, size_t usable,
              std::vector<PageRow>& rows)
{
    const uint64_t cells = bytes.BigEndian(header + 3, 2);
    // A row longer than this keeps the rest of it on overflow pages, which are not followed.
    const size_t inPage = usable - 35;
    for (uint64_t cell = 0; cell < cells && header + 8 + 2 * cell + 2 <= page + usable; ++cell) {
        size_t at = page + bytes.BigEndian(header + 8 + 2 * cell, 2);
        uint64_t length = 0, rowid = 0;
        if (at >= page + usable || !bytes.Varint(at, page + usable, length) ||
            !bytes.Varint(at, page + usable, rowid) || length > inPage ||
            at + length > page + usable)
            continue;
        PageRow row{static_cast<int64_t>(rowid), {}};
        if (ReadRecord(bytes, at, at + length, row.values))
            rows.push_back(std::move(row));
    }
}

} // namespace

std::vector<PageRow> ReadPageRows(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const Bytes bytes(std::string(std::istreambuf_iterator<char>(file), {}));
    std::vector<PageRow> rows;
    // The page size and the bytes kept at each page's end come from the header, where it is
    // there; else SQLite's own default.
    const bool headed = bytes.Text(0, Magic.size()) == Magic;
    size_t pageSize = headed ? bytes.BigEndian(16, 2) : 4096;
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)))
        pageSize = 4096;
    const size_t reserved = headed ? bytes.BigEndian(20, 1) : 0;
    if (reserved >= pageSize - 480)
        return rows;
    const uint64_t pages = bytes.Size() / pageSize;
    const std::set<uint64_t> free =
        headed ? FreePages(bytes, pageSize, pages) : std::set<uint64_t>{};
    for (uint64_t number = 1; number <= pages; ++number) {
        const size_t page = (number - 1) * pageSize;
        const size_t header = page + (number == 1 ? 100 : 0);
        if (!free.contains(number) && bytes.BigEndian(header, 1) == TableLeaf)
            ReadLeaf(bytes, page, header, pageSize - reserved, rows);
    }
    return rows;
}

} // namespace results
