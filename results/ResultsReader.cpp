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

// The count's query with its %1 as written.
std::string Counting(const std::string& count, std::string_view with)
{
    std::string sql = count;
    for (size_t at; (at = sql.find("%1")) != std::string::npos;)
        sql.replace(at, 2, with);
    return sql;
}

} // namespace

class ResultsReader::Reading
{
  public:
    explicit Reading(ResultsReader& reader) : m_reader(reader)
    {
        if (!reader.m_tests.empty() && !reader.m_db.IsOpen())
            reader.m_db.Open(reader.m_path, Database::Reading, ReadWaitMs);
    }
    ~Reading() { m_reader.m_db.Close(); }
    Reading(const Reading&) = delete;
    Reading& operator=(const Reading&) = delete;

  private:
    ResultsReader& m_reader;
};

ResultsReader::ResultsReader(std::string path) : m_path(std::move(path)) {}

bool ResultsReader::Agrees(size_t read, bool once, const std::string& count,
                           const std::function<void(Statement&)>& bind)
{
    for (const std::string_view with : {"", "NOT INDEXED"}) {
        Statement counted(m_db, Counting(count, with));
        bind(counted);
        if (!counted.Step())
            return false;
        if (!once || static_cast<size_t>(counted.Integer(0)) != read)
            return m_db.Fail(SQLITE_CORRUPT,
                             Reason{TRANSLATABLE("results", "it is damaged: some tests or "
                                                            "answers are missing from what is "
                                                            "read, or read twice")});
    }
    return true;
}

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
    m_db.Close(); // held again for each read
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
    const Reading reading(*this);
    const std::string which = title ? " WHERE title = ?" : "";
    const auto bind = [&](Statement& statement) {
        if (title)
            statement.Bind(*title);
    };
    Statement select(m_db,
                     "SELECT " + Names(m_tests) + " FROM tests" + which + " ORDER BY id DESC");
    bind(select);
    std::set<int64_t> ids;
    while (select.Step())
        ReadColumns(select, 0, tests.emplace_back(), m_tests), ids.insert(tests.back().id);
    if (select.Failed() || !Agrees(tests.size(), ids.size() == tests.size(),
                                   "SELECT count(*) FROM tests %1" + which, bind))
        return std::nullopt;
    return tests;
}

std::optional<std::vector<std::string>> ResultsReader::Titles()
{
    std::vector<std::string> titles;
    if (m_tests.empty())
        return titles;
    const Reading reading(*this);
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
    const Reading reading(*this);
    Statement select(m_db, "SELECT " + Names(m_problems) +
                               " FROM problems WHERE test = ? ORDER BY number");
    select.Bind(test);
    std::set<int64_t> numbers;
    if (!ReadProblems(select, 0,
                      [&](ProblemRow&& problem) {
                          numbers.insert(problem.number);
                          problems.push_back(problem);
                      }) ||
        !Agrees(problems.size(), numbers.size() == problems.size(),
                "SELECT count(*) FROM problems %1 WHERE test = ?",
                [&](Statement& count) { count.Bind(test); }))
        return std::nullopt;
    return problems;
}

// The answers of a title's tests, or of every test, counted.
constexpr std::string_view AnswersCounted =
    "SELECT count(*) FROM problems %1 WHERE test IN (SELECT id FROM tests %1 WHERE ? IS NULL OR "
    "title = ?)";

std::optional<std::vector<AnswerRow>>
ResultsReader::Answers(const std::optional<std::string>& title)
{
    std::vector<AnswerRow> answers;
    if (m_tests.empty())
        return answers;
    const Reading reading(*this);
    Statement select(m_db, "SELECT " + Names(m_tests, "t.") + ", " + Names(m_problems, "p.") +
                               " FROM problems p JOIN tests t ON p.test = t.id" +
                               (title ? " WHERE t.title = ?" : "") + " ORDER BY t.id, p.number");
    if (title)
        select.Bind(*title);
    std::set<std::pair<int64_t, int64_t>> read;
    const int first = static_cast<int>(m_tests.size());
    if (!ReadProblems(select, first,
                      [&](ProblemRow&& problem) {
                          read.emplace(problem.test, problem.number);
                          AnswerRow& answer = answers.emplace_back();
                          ReadColumns(select, 0, answer.test, m_tests);
                          answer.problem = std::move(problem);
                      }) ||
        !Agrees(answers.size(), read.size() == answers.size(), std::string(AnswersCounted),
                [&](Statement& count) {
                    for (int twice = 0; twice < 2; ++twice)
                        title ? count.Bind(*title) : count.Bind(std::optional<int64_t>());
                }))
        return std::nullopt;
    return answers;
}

bool ResultsReader::ForEachAnswer(const std::string& title,
                                  const std::function<void(const AnsweredProblem&)>& take)
{
    if (m_tests.empty())
        return true;
    const Reading reading(*this);
    // The numbers choose an Easy test's problems, never a practice's.
    const bool practices = std::ranges::any_of(m_tests, [](const TestColumn* column) {
        return column->name == std::string_view("practice");
    });
    const std::string chosen =
        practices ? "t.difficulty = 'Easy' AND t.practice = 0" : "t.difficulty = 'Easy'";
    Statement select(m_db, "SELECT CASE WHEN " + chosen + " THEN t.numbers ELSE '' END, " +
                               "t.started, " + Names(m_problems, "p.") +
                               " FROM problems p JOIN tests t ON p.test = t.id WHERE t.title = ? "
                               "ORDER BY p.test, p.number");
    select.Bind(title);
    AnsweredProblem answer; // one for all, so that its lists keep their room
    ProblemRow problem;
    std::set<std::pair<int64_t, int64_t>> read;
    size_t count = 0;
    while (select.Step()) {
        ReadColumns(select, 2, problem, m_problems);
        read.emplace(problem.test, problem.number), ++count;
        answer.operation = problem.operation;
        answer.operands.swap(problem.operands);
        answer.correct = problem.correct;
        answer.seconds = problem.seconds;
        ReadList(select.Text(0), answer.ticked);
        answer.started = select.Text(1);
        take(answer);
        problem.operands.swap(answer.operands);
    }
    return !select.Failed() && Agrees(count, read.size() == count, std::string(AnswersCounted),
                                      [&](Statement& counted) { counted.Bind(title).Bind(title); });
}

std::vector<CopySetAside> ResultsReader::CopiesSetAside()
{
    std::vector<CopySetAside> copies = results::CopiesSetAside(m_path);
    if (copies.empty() || m_tests.empty())
        return copies;
    const Reading reading(*this);
    const auto columns = ColumnsOf(m_db, "set_aside");
    if (!columns || columns->empty())
        return copies;
    Statement select(m_db, "SELECT name, saved, unread_tests, unread_answers FROM set_aside");
    while (select.Step())
        for (CopySetAside& copy : copies)
            if (copy.path.ends_with("/" + select.Text(0)))
                copy = {copy.path, true, select.Integer(1), select.Integer(2), select.Integer(3)};
    return copies;
}

} // namespace results
