#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// What each page of a damaged SQLite file still gives, read from its bytes without SQLite: the
// rows of every table leaf page that can be read, whatever pages around it were lost, so that a
// damaged results file gives back what it still holds. Pages on the file's list of free pages
// are passed over (they hold nothing kept, or what was forgotten), and so is a row too long for
// its page, which SQLite keeps on pages of its own.
namespace results {

using PageValue = std::variant<std::monostate, int64_t, double, std::string>;

struct PageRow
{
    int64_t rowid = 0;
    std::vector<PageValue> values;
};

// Every row of the file's table leaf pages, in the order of the pages; none where the file
// cannot be read.
std::vector<PageRow> ReadPageRows(const std::string& path);

} // namespace results
