#include "ResultsReader.h"

#include "Schema.h"

#include <sqlite3.h>
#include <unistd.h>

namespace results {

namespace {

// Waits no longer for another program writing the file: the reader is the window's.
constexpr int ReadWaitMs = 200;

constexpr std::string_view ProblemColumns =
    "number, operation, operands, right_answer, given, correct, seconds";

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

std::optional<std::vector<ProblemRow>> ResultsReader::ReadProblems(Statement& select)
{
    std::vector<ProblemRow> problems;
    if (!select.Failed() && select.Columns() != 7) {
        m_db.Fail(SQLITE_FORMAT,
                  Reason{TRANSLATABLE("results", "its problems have other columns than these")});
        return std::nullopt;
    }
    while (select.Step()) {
        const std::string operation = select.Text(1);
        ProblemRow& problem =
            problems.emplace_back(ProblemRow{select.Integer(0),
                                             operation.empty() ? '?' : operation[0],
                                             {},
                                             select.Integer(3),
                                             select.Text(4),
                                             select.Integer(5) != 0,
                                             select.Real(6)});
        NumbersIn(select.Text(2), problem.operands);
    }
    return select.Failed() ? std::nullopt : std::optional(std::move(problems));
}

std::optional<std::vector<ProblemRow>> ResultsReader::Problems(int64_t test)
{
    if (m_columns.empty())
        return std::vector<ProblemRow>{};
    Statement select(m_db, "SELECT " + std::string(ProblemColumns) +
                               " FROM problems WHERE test = ? ORDER BY number");
    select.Bind(test);
    return ReadProblems(select);
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
