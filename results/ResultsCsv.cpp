#include "ResultsCsv.h"

#include <initializer_list>

namespace results {

namespace {

std::string Field(std::string text)
{
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        text.insert(0, 1, '\'');
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::string Row(std::initializer_list<std::string> fields)
{
    std::string row;
    for (const std::string& field : fields)
        row += (row.empty() ? "" : ",") + Field(field);
    return row + "\n";
}

} // namespace

std::string TestsCsv(const std::vector<TestRow>& tests)
{
    using std::to_string;
    std::string csv = Row({"id", "started", "ended", "title", "operations", "numbers", "difficulty",
                           "problems", "time_limit", "correct", "incorrect", "unanswered",
                           "percentage", "grade", "end_reason"});
    for (const TestRow& test : tests)
        csv += Row({to_string(test.id), test.started, test.ended, test.setup.title,
                    test.setup.operations, test.setup.numbers, test.setup.difficulty,
                    to_string(test.setup.problems), to_string(test.setup.timeLimit),
                    to_string(test.score.correct), to_string(test.score.incorrect),
                    to_string(test.score.unanswered), to_string(test.score.percentage),
                    test.score.grade, test.endReason});
    return csv;
}

} // namespace results
