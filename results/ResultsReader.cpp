#include "ResultsReader.h"

#include "Schema.h"

#include <regex>
#include <sqlite3.h>
#include <unistd.h>

namespace results {

namespace {

// Waits no longer for another program writing the file: the reader is the window's.
constexpr int ReadWaitMs = 200;

// The problems table's columns, each named after the table's name in the query where there is one.
std::string ProblemColumns(const std::string& table = "")
{
    std::string columns;
    for (const char* column :
         {"number", "operation", "operands", "right_answer", "given", "correct", "seconds"})
        columns += (columns.empty() ? "" : ", ") + table + column;
    return columns;
}

// The numbers of a comma-separated list ("7,3"), into numbers.
template <typename Number> void NumbersIn(const std::string& text, std::vector<Number>& numbers)
{
    numbers.clear();
    for (size_t at = 0; at < text.size();) {
        const size_t comma = std::min(text.find(',', at), text.size());
        numbers.push_back(static_cast<Number>(std::strtoll(text.c_str() + at, nullptr, 10)));
        at = comma + 1;
    }
}

void ReadColumn(const Statement& row, int at, TestRow& test, const TestColumn& column)
{
    struct Visitor
    {
        const Statement& row;
        int at;
        TestRow& test;
        void operator()(int64_t TestRow::*field) const { test.*field = row.Integer(at); }
        void operator()(std::optional<int64_t> TestRow::*field) const
        {
            test.*field = row.MaybeInteger(at);
        }
        void operator()(std::string TestRow::*field) const { test.*field = row.Text(at); }
        void operator()(std::optional<EndReason> TestRow::*field) const
        {
            test.*field = EndReasonOf(row.Text(at));
        }
    };
    std::visit(Visitor{row, at, test}, column.field);
}

} // namespace

ResultsReader::ResultsReader(std::string path) : m_path(std::move(path)) {}

bool ResultsReader::Open()
{
    m_columns.clear();
    if (m_path.empty() || access(m_path.c_str(), F_OK) != 0) {
        m_db.Close();
        return m_db.Fail(SQLITE_CANTOPEN, "");
    }
    if (!m_db.Open(m_path, Database::Reading, ReadWaitMs) || !FileVersion(m_db))
        return m_db.Close(), false;
    const auto columns = ColumnsOf(m_db, "tests");
    if (!columns)
        return m_db.Close(), false;
    m_columns = *columns;
    for (const TestColumn& column : TestColumns)
        if (!m_columns.empty() && column.since == 1 && !m_columns.contains(column.name)) {
            m_db.Close();
            return m_db.Fail(
                SQLITE_FORMAT,
                Reason{TRANSLATABLE("results", "its tests have no column %1"), column.name});
        }
    return true;
}

std::optional<std::vector<TestRow>> ResultsReader::Tests(const std::optional<std::string>& title)
{
    std::vector<TestRow> tests;
    if (m_columns.empty()) // a file with no tests table yet
        return tests;
    std::vector<const TestColumn*> there;
    for (const TestColumn& column : TestColumns)
        if (m_columns.contains(column.name))
            there.push_back(&column);
    Statement select(m_db, "SELECT " + Names(there) + " FROM tests" +
                               (title ? " WHERE title = ?" : "") + " ORDER BY id DESC");
    if (title)
        select.Bind(*title);
    while (select.Step()) {
        TestRow& test = tests.emplace_back();
        for (size_t at = 0; at < there.size(); ++at)
            ReadColumn(select, static_cast<int>(at), test, *there[at]);
    }
    return select.Failed() ? std::nullopt : std::optional(std::move(tests));
}

std::optional<std::vector<std::string>> ResultsReader::Titles()
{
    std::vector<std::string> titles;
    if (m_columns.empty())
        return titles;
    Statement select(m_db, "SELECT DISTINCT title FROM tests ORDER BY title");
    while (select.Step())
        titles.push_back(select.Text(0));
    return select.Failed() ? std::nullopt : std::optional(std::move(titles));
}

bool ResultsReader::ReadProblems(Statement& select, int first,
                                 const std::function<void(ProblemRow&&)>& take)
{
    if (!select.Failed() && select.Columns() != first + 7)
        return m_db.Fail(
            SQLITE_FORMAT,
            Reason{TRANSLATABLE("results", "its problems have other columns than these")});
    while (select.Step()) {
        const std::string operation = select.Text(first + 1);
        ProblemRow problem{select.Integer(first),
                           operation.empty() ? '?' : operation[0],
                           {},
                           select.Integer(first + 3),
                           select.Text(first + 4),
                           select.Integer(first + 5) != 0,
                           select.Real(first + 6)};
        NumbersIn(select.Text(first + 2), problem.operands);
        take(std::move(problem));
    }
    return !select.Failed();
}

std::optional<std::vector<ProblemRow>> ResultsReader::Problems(int64_t test)
{
    std::vector<ProblemRow> problems;
    if (m_columns.empty())
        return problems;
    Statement select(m_db, "SELECT " + ProblemColumns() +
                               " FROM problems WHERE test = ? ORDER BY number");
    select.Bind(test);
    if (!ReadProblems(select, 0, [&](ProblemRow&& problem) { problems.push_back(problem); }))
        return std::nullopt;
    return problems;
}

std::optional<std::vector<AnswerRow>>
ResultsReader::Answers(const std::optional<std::string>& title)
{
    std::vector<AnswerRow> answers;
    if (m_columns.empty())
        return answers;
    Statement select(m_db, "SELECT t.title, t.started, " + ProblemColumns("p.") +
                               " FROM problems p JOIN tests t ON p.test = t.id" +
                               (title ? " WHERE t.title = ?" : "") + " ORDER BY t.id, p.number");
    if (title)
        select.Bind(*title);
    if (!ReadProblems(select, 2, [&](ProblemRow&& problem) {
            answers.push_back({select.Text(0), select.Text(1), std::move(problem)});
        }))
        return std::nullopt;
    return answers;
}

bool ResultsReader::ForEachAnswer(const std::string& title,
                                  const std::function<void(const AnsweredProblem&)>& take)
{
    if (m_columns.empty())
        return true;
    // The numbers choose an Easy test's problems, never a practice's.
    const std::string chosen = m_columns.contains("practice")
                                   ? "t.difficulty = 'Easy' AND t.practice = 0"
                                   : "t.difficulty = 'Easy'";
    Statement select(m_db, "SELECT p.operation, p.operands, p.correct, p.seconds, CASE WHEN " +
                               chosen +
                               " THEN t.numbers ELSE '' END FROM problems p JOIN tests t "
                               "ON p.test = t.id WHERE t.title = ? ORDER BY p.test, p.number");
    select.Bind(title);
    AnsweredProblem answer; // one for all, so that its lists keep their room
    while (select.Step()) {
        const std::string operation = select.Text(0);
        answer.operation = operation.empty() ? '?' : operation[0];
        NumbersIn(select.Text(1), answer.operands);
        answer.correct = select.Integer(2) != 0;
        answer.seconds = select.Real(3);
        NumbersIn(select.Text(4), answer.ticked);
        take(answer);
    }
    return !select.Failed();
}

} // namespace results
