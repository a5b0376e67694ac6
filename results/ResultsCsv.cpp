#include "ResultsCsv.h"

#include "ProblemColumns.h"
#include "ResultsReader.h"
#include "TestColumns.h"

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

} // namespace

std::string TestsCsv(const std::vector<TestRow>& tests, const CsvStyle& style)
{
    std::vector<std::string> fields;
    for (const TestColumn& column : TestColumns)
        fields.emplace_back(column.name);
    std::string csv = Begun(style) + Row(fields, style);
    for (const TestRow& test : tests) {
        fields.clear();
        for (const TestColumn& column : TestColumns)
            fields.push_back(style.spreadsheet && column.name == std::string_view("numbers")
                                 ? Spaced(StoredText(test, column))
                                 : StoredText(test, column));
        csv += Row(fields, style);
    }
    return csv;
}

std::string AnswersCsv(const std::vector<AnswerRow>& answers, const CsvStyle& style)
{
    const auto columns = ProblemColumnsListed(false); // the test by its title and start
    std::vector<std::string> fields = {"title", "started"};
    for (const ProblemColumn* column : columns)
        fields.emplace_back(column->name);
    std::string csv = Begun(style) + Row(fields, style);
    for (const auto& [title, started, problem] : answers) {
        fields = {title, started};
        for (const ProblemColumn* column : columns)
            fields.push_back(
                StoredText(problem, *column, style.decimal, style.spreadsheet ? ", " : ","));
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
