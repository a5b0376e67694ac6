#include "ProblemColumns.h"

#include <cstdio>

namespace results {

std::vector<const ProblemColumn*> ProblemColumnsListed(bool withKey)
{
    std::vector<const ProblemColumn*> listed;
    for (const ProblemColumn& column : ProblemColumns)
        if (withKey || !column.key)
            listed.push_back(&column);
    return listed;
}

std::string ListText(const std::vector<int64_t>& numbers, std::string_view separator)
{
    std::string list;
    for (const int64_t number : numbers)
        list += (list.empty() ? "" : std::string(separator)) + std::to_string(number);
    return list;
}

std::string StoredText(const ProblemRow& problem, const ProblemColumn& column, char decimal,
                       std::string_view separator)
{
    struct Visitor
    {
        const ProblemRow& problem;
        char decimal;
        std::string_view separator;
        std::string operator()(int64_t ProblemRow::*field) const
        {
            return std::to_string(problem.*field);
        }
        std::string operator()(char ProblemRow::*field) const { return {problem.*field}; }
        std::string operator()(bool ProblemRow::*field) const { return problem.*field ? "1" : "0"; }
        std::string operator()(double ProblemRow::*field) const
        {
            char text[32];
            std::snprintf(text, sizeof text, "%.1f", problem.*field);
            std::string written = text;
            if (const size_t point = written.find_first_of(".,"); point != std::string::npos)
                written[point] = decimal; // whatever the C locale's point is
            return written;
        }
        std::string operator()(std::string ProblemRow::*field) const { return problem.*field; }
        std::string operator()(std::vector<int64_t> ProblemRow::*field) const
        {
            return ListText(problem.*field, separator);
        }
    };
    return std::visit(Visitor{problem, decimal, separator}, column.field);
}

} // namespace results
