#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace results {

// Columns' names as a statement lists them, each between a prefix and a suffix: "a, b",
// "p.a, p.b" or "a = ?, b = ?".
template <typename Column>
std::string Names(const std::vector<const Column*>& columns, std::string_view prefix = "",
                  std::string_view suffix = "")
{
    std::string names;
    for (const Column* column : columns)
        names +=
            (names.empty() ? "" : ", ") + std::string(prefix) + column->name + std::string(suffix);
    return names;
}

// "?, ?, ?" for so many values.
inline std::string Placeholders(size_t count)
{
    std::string values;
    for (size_t at = 0; at < count; ++at)
        values += at ? ", ?" : "?";
    return values;
}

} // namespace results
