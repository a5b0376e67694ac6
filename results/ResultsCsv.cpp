#include "ResultsCsv.h"

#include "ResultsReader.h"
#include "TestColumns.h"

#include <cstdio>

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

std::string Decimal(double value, const CsvStyle& style)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    std::string written = text;
    if (const size_t point = written.find_first_of(".,"); point != std::string::npos)
        written[point] = style.decimal; // whatever the C locale's point is
    return written;
}

std::string List(const std::vector<int64_t>& numbers, const CsvStyle& style)
{
    std::string list;
    for (const int64_t number : numbers)
        list += (list.empty() ? "" : style.spreadsheet ? ", " : ",") + std::to_string(number);
    return list;
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
    std::string csv = Begun(style) + Row({"title", "started", "number", "operation", "operands",
                                          "right_answer", "given", "correct", "seconds"},
                                         style);
    for (const auto& [title, started, problem] : answers)
        csv +=
            Row({title, started, std::to_string(problem.number), std::string(1, problem.operation),
                 List(problem.operands, style), std::to_string(problem.rightAnswer), problem.given,
                 problem.correct ? "1" : "0", Decimal(problem.seconds, style)},
                style);
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
