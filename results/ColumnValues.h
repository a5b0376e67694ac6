#pragma once

#include "Database.h"
#include "ProblemColumns.h"
#include "TestColumns.h"

#include <vector>

// A row's values bound into a statement, and read back from its rows, column by column as the
// columns are declared.
namespace results {

inline void BindValue(Statement& statement, int64_t value)
{
    statement.Bind(value);
}
inline void BindValue(Statement& statement, std::optional<int64_t> value)
{
    statement.Bind(value);
}
inline void BindValue(Statement& statement, double value)
{
    statement.Bind(value);
}
inline void BindValue(Statement& statement, bool value)
{
    statement.Bind(int64_t{value});
}
inline void BindValue(Statement& statement, const std::string& value)
{
    statement.Bind(value);
}
inline void BindValue(Statement& statement, const char& value)
{
    statement.Bind(std::string_view(&value, 1));
}
inline void BindValue(Statement& statement, const std::optional<EndReason>& value)
{
    statement.Bind(value ? WordsFor(*value).stored : std::string_view());
}
inline void BindValue(Statement& statement, const std::vector<int64_t>& value)
{
    statement.Bind(ListText(value));
}

inline void ReadValue(const Statement& row, int at, int64_t& value)
{
    value = row.Integer(at);
}
inline void ReadValue(const Statement& row, int at, std::optional<int64_t>& value)
{
    value = row.MaybeInteger(at);
}
inline void ReadValue(const Statement& row, int at, double& value)
{
    value = row.Real(at);
}
inline void ReadValue(const Statement& row, int at, bool& value)
{
    value = row.Integer(at) != 0;
}
inline void ReadValue(const Statement& row, int at, std::string& value)
{
    value = row.Text(at);
}
inline void ReadValue(const Statement& row, int at, char& value)
{
    const std::string text = row.Text(at);
    value = text.empty() ? '?' : text[0];
}
inline void ReadValue(const Statement& row, int at, std::optional<EndReason>& value)
{
    value = EndReasonOf(row.Text(at));
}
inline void ReadValue(const Statement& row, int at, std::vector<int64_t>& value)
{
    ReadList(row.Text(at), value);
}

// Binds each column's value from the row, in order.
template <typename Row, typename Column>
Statement& BindColumns(Statement& statement, const Row& row,
                       const std::vector<const Column*>& columns)
{
    for (const Column* column : columns)
        std::visit([&](auto field) { BindValue(statement, row.*field); }, column->field);
    return statement;
}

// Reads each column's value into the row, from the statement's column first on.
template <typename Row, typename Column>
void ReadColumns(const Statement& statement, int first, Row& row,
                 const std::vector<const Column*>& columns)
{
    for (size_t at = 0; at < columns.size(); ++at)
        std::visit(
            [&](auto field) { ReadValue(statement, first + static_cast<int>(at), row.*field); },
            columns[at]->field);
}

} // namespace results
