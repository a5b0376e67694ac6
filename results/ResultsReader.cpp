#include "ResultsReader.h"

#include "ColumnValues.h"
#include "Schema.h"

#include <algorithm>
#include <sqlite3.h>
#include <unistd.h>

namespace results {

namespace {

// Waits no longer for another program writing the file: the reader is the window's.
constexpr int ReadWaitMs = 200;

} // namespace

ResultsReader::ResultsReader(std::string path) : m_path(std::move(path)) {}

bool ResultsReader::Open()
{
    m_tests.clear();
    m_problems.clear();
    if (m_path.empty() || access(m_path.c_str(), F_OK) != 0) {
        m_db.Close();
        return m_db.Fail(SQLITE_CANTOPEN, "");
    }
    if (!m_db.Open(m_path, Database::Reading, ReadWaitMs) || !FileVersion(m_db) ||
        !Present("tests", TestColumns, m_tests,
                 TRANSLATABLE("results", "its tests have no column %1")) ||
        !Present("problems", ProblemColumns, m_problems,
                 TRANSLATABLE("results", "its answers have no column %1")))
        return m_db.Close(), false;
    return true;
}

template <typename Column, size_t Count>
bool ResultsReader::Present(const char* table, const Column (&declared)[Count],
                            std::vector<const Column*>& present, const char* missing)
{
    const auto columns = ColumnsOf(m_db, table);
    if (!columns)
        return false;
    // A file with no tables yet has none; an older one lacks those its version had not brought.
    for (const Column& column : declared)
        if (columns->contains(column.name))
            present.push_back(&column);
        else if (!columns->empty() && column.since == 1)
            return present.clear(), m_db.Fail(SQLITE_FORMAT, Reason{missing, column.name});
    return true;
}

std::optional<std::vector<TestRow>> ResultsReader::Tests(const std::optional<std::string>& title)
{
    std::vector<TestRow> tests;
    if (m_tests.empty()) // a file with no tests table yet
        return tests;
    Statement select(m_db, "SELECT " + Names(m_tests) + " FROM tests" +
                               (title ? " WHERE title = ?" : "") + " ORDER BY id DESC");
    if (title)
        select.Bind(*title);
    while (select.Step())
        ReadColumns(select, 0, tests.emplace_back(), m_tests);
    return select.Failed() ? std::nullopt : std::optional(std::move(tests));
}

std::optional<std::vector<std::string>> ResultsReader::Titles()
{
    std::vector<std::string> titles;
    if (m_tests.empty())
        return titles;
    Statement select(m_db, "SELECT DISTINCT title FROM tests ORDER BY title");
    while (select.Step())
        titles.push_back(select.Text(0));
    return select.Failed() ? std::nullopt : std::optional(std::move(titles));
}

bool ResultsReader::ReadProblems(Statement& select, int first,
                                 const std::function<void(ProblemRow&&)>& take)
{
    while (select.Step()) {
        ProblemRow problem;
        ReadColumns(select, first, problem, m_problems);
        take(std::move(problem));
    }
    return !select.Failed();
}

std::optional<std::vector<ProblemRow>> ResultsReader::Problems(int64_t test)
{
    std::vector<ProblemRow> problems;
    if (m_tests.empty())
        return problems;
    Statement select(m_db, "SELECT " + Names(m_problems) +
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
    if (m_tests.empty())
        return answers;
    Statement select(m_db, "SELECT " + Names(m_tests, "t.") + ", " + Names(m_problems, "p.") +
                               " FROM problems p JOIN tests t ON p.test = t.id" +
                               (title ? " WHERE t.title = ?" : "") + " ORDER BY t.id, p.number");
    if (title)
        select.Bind(*title);
    const int first = static_cast<int>(m_tests.size());
    if (!ReadProblems(select, first, [&](ProblemRow&& problem) {
            AnswerRow& answer = answers.emplace_back();
            ReadColumns(select, 0, answer.test, m_tests);
            answer.problem = std::move(problem);
        }))
        return std::nullopt;
    return answers;
}

bool ResultsReader::ForEachAnswer(const std::string& title,
                                  const std::function<void(const AnsweredProblem&)>& take)
{
    if (m_tests.empty())
        return true;
    // The numbers choose an Easy test's problems, never a practice's.
    const bool practices = std::ranges::any_of(m_tests, [](const TestColumn* column) {
        return column->name == std::string_view("practice");
    });
    const std::string chosen =
        practices ? "t.difficulty = 'Easy' AND t.practice = 0" : "t.difficulty = 'Easy'";
    Statement select(m_db, "SELECT CASE WHEN " + chosen + " THEN t.numbers ELSE '' END, " +
                               Names(m_problems, "p.") +
                               " FROM problems p JOIN tests t ON p.test = t.id WHERE t.title = ? "
                               "ORDER BY p.test, p.number");
    select.Bind(title);
    AnsweredProblem answer; // one for all, so that its lists keep their room
    ProblemRow problem;
    while (select.Step()) {
        ReadColumns(select, 1, problem, m_problems);
        answer.operation = problem.operation;
        answer.operands.swap(problem.operands);
        answer.correct = problem.correct;
        answer.seconds = problem.seconds;
        ReadList(select.Text(0), answer.ticked);
        take(answer);
        problem.operands.swap(answer.operands);
    }
    return !select.Failed();
}

} // namespace results
