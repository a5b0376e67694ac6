#include "ResultsCsv.h"

#include "ProblemColumns.h"
#include "ResultsReader.h"
#include "TestColumns.h"

#include <algorithm>

namespace results {

namespace {

// "3,7" as "3, 7" for a spreadsheet, which would take it for a number.
std::string Spaced(std::string text)
{
    for (size_t at = text.find(','); at != std::string::npos; at = text.find(',', at + 2))
        text.insert(at + 1, 1, ' ');
    return text;
}

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

std::string Row(const std::vector<std::string>& fields, const CsvStyle& style)
{
    std::string row;
    for (const std::string& field : fields)
        row += (row.empty() ? "" : std::string(1, style.separator)) + Field(field);
    return row + "\n";
}

std::string Begun(const CsvStyle& style)
{
    return style.spreadsheet ? "\xEF\xBB\xBF" : "";
}

// A column's header: its name, or for a spreadsheet its header in the language.
template <typename Column> std::string Header(const Column& column, const CsvStyle& style)
{
    return style.translated && column.exported ? style.translated("Spreadsheet", column.exported)
                                               : column.name;
}

// A test's value: as kept, or as a spreadsheet of the language reads it: the start and the end as
// times, the level and the way of ending in its words, the numbers with a blank after each comma.
std::string Value(const TestRow& test, const TestColumn& column, const CsvStyle& style)
{
    const std::string kept = StoredText(test, column);
    if (!style.spreadsheet || kept.empty())
        return kept;
    switch (column.shown) {
    case Shown::Date:
    case Shown::Took: // the end, which the Tests table shows as how long it took
        return style.time ? style.time(kept) : kept;
    case Shown::Difficulty:
        return style.translated ? style.translated("frmMain", kept.c_str()) : kept;
    case Shown::Ending:
        return style.translated ? style.translated("TestsModel", WordsFor(*test.endReason).shown)
                                : kept;
    default:
        return column.field == TestField(&TestRow::numbers) ? Spaced(kept) : kept;
    }
}

const TestColumn& TestColumnNamed(std::string_view name)
{
    return *std::ranges::find_if(TestColumns,
                                 [name](const TestColumn& column) { return column.name == name; });
}

} // namespace

std::string TestsCsv(const std::vector<TestRow>& tests, const CsvStyle& style)
{
    std::vector<std::string> fields;
    for (const TestColumn& column : TestColumns)
        fields.push_back(Header(column, style));
    std::string csv = Begun(style) + Row(fields, style);
    for (const TestRow& test : tests) {
        fields.clear();
        for (const TestColumn& column : TestColumns)
            fields.push_back(Value(test, column, style));
        csv += Row(fields, style);
    }
    return csv;
}

std::string AnswersCsv(const std::vector<AnswerRow>& answers, const CsvStyle& style)
{
    // The test named by its title and start before the answer's own columns, and after them
    // whether it was a practice.
    const TestColumn* before[] = {&TestColumnNamed("title"), &TestColumnNamed("started")};
    const TestColumn* after[] = {&TestColumnNamed("practice")};
    const auto columns = ProblemColumnsListed(false);
    std::vector<std::string> fields;
    for (const TestColumn* column : before)
        fields.push_back(Header(*column, style));
    for (const ProblemColumn* column : columns)
        fields.push_back(Header(*column, style));
    for (const TestColumn* column : after)
        fields.push_back(Header(*column, style));
    std::string csv = Begun(style) + Row(fields, style);
    for (const auto& [test, problem] : answers) {
        fields.clear();
        for (const TestColumn* column : before)
            fields.push_back(Value(test, *column, style));
        for (const ProblemColumn* column : columns)
            fields.push_back(
                StoredText(problem, *column, style.decimal, style.spreadsheet ? ", " : ","));
        for (const TestColumn* column : after)
            fields.push_back(Value(test, *column, style));
        csv += Row(fields, style);
    }
    return csv;
}

std::optional<std::string> ReadCsv(ResultsReader& reader, bool answers,
                                   const std::optional<std::string>& title, const CsvStyle& style)
{
    if (answers) {
        const auto rows = reader.Answers(title);
        return rows ? std::optional(AnswersCsv(*rows, style)) : std::nullopt;
    }
    const auto rows = reader.Tests(title);
    return rows ? std::optional(TestsCsv(*rows, style)) : std::nullopt;
}

} // namespace results
