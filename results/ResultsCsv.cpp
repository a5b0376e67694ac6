#include "ResultsCsv.h"

#include "TestColumns.h"

namespace results {

namespace {

std::string Field(std::string text)
{
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        text.insert(0, 1, '\'');
    if (text.find_first_of(",;\"\t\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

template <typename Text> std::string Row(Text text)
{
    std::string row;
    for (const TestColumn& column : TestColumns)
        row += (row.empty() ? "" : ",") + Field(text(column));
    return row + "\n";
}

} // namespace

std::string TestsCsv(const std::vector<TestRow>& tests)
{
    std::string csv = Row([](const TestColumn& column) { return std::string(column.name); });
    for (const TestRow& test : tests)
        csv += Row([&](const TestColumn& column) { return StoredText(test, column); });
    return csv;
}

} // namespace results
