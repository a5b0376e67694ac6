#include "ResultsStore.h"

#include "ResultsFile.h"
#include "TestColumns.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <sqlite3.h>
#include <string_view>
#include <unistd.h>

namespace results {

namespace {

// Each version's step from the one before; a new file takes them all. The first is the schema
// as it was first published, the tables themselves.
constexpr std::array<std::string_view, ResultsStore::SchemaVersion> Steps = {
    R"(CREATE TABLE tests (
           id INTEGER PRIMARY KEY,
           started TEXT NOT NULL,
           ended TEXT NOT NULL DEFAULT '',
           title TEXT NOT NULL,
           operations TEXT NOT NULL,
           numbers TEXT NOT NULL,
           difficulty TEXT NOT NULL,
           problems INTEGER NOT NULL,
           time_limit INTEGER NOT NULL,
           correct INTEGER NOT NULL DEFAULT 0,
           incorrect INTEGER NOT NULL DEFAULT 0,
           unanswered INTEGER NOT NULL DEFAULT 0,
           percentage INTEGER NOT NULL DEFAULT 0,
           grade TEXT NOT NULL DEFAULT '',
           end_reason TEXT NOT NULL DEFAULT '');
       CREATE TABLE problems (
           test INTEGER NOT NULL REFERENCES tests (id) ON DELETE CASCADE,
           number INTEGER NOT NULL,
           operation TEXT NOT NULL,
           operands TEXT NOT NULL,
           right_answer INTEGER NOT NULL,
           given TEXT NOT NULL,
           correct INTEGER NOT NULL,
           seconds REAL NOT NULL,
           PRIMARY KEY (test, number));)",
    // A title's tests found without reading every test's row.
    "CREATE INDEX tests_by_title ON tests (title, id);",
};

constexpr std::string_view ProblemColumns =
    "number, operation, operands, right_answer, given, correct, seconds";

std::string OperandsText(const std::vector<int64_t>& operands)
{
    std::string text;
    for (const int64_t operand : operands)
        text += (text.empty() ? "" : ",") + std::to_string(operand);
    return text;
}

std::vector<int64_t> OperandsOf(const std::string& text)
{
    std::vector<int64_t> operands;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find(',', at);
        end = end == std::string::npos ? text.size() : end;
        operands.push_back(std::strtoll(text.c_str() + at, nullptr, 10));
        at = end + 1;
    }
    return operands;
}

// The tests table's columns written at one of these moments, in their order.
std::vector<const TestColumn*> ColumnsWritten(std::initializer_list<Written> moments)
{
    std::vector<const TestColumn*> columns;
    for (const TestColumn& column : TestColumns)
        if (std::ranges::find(moments, column.written) != moments.end())
            columns.push_back(&column);
    return columns;
}

// "name, name" or, with a suffix, "name = ?, name = ?".
std::string Names(const std::vector<const TestColumn*>& columns, std::string_view suffix = "")
{
    std::string names;
    for (const TestColumn* column : columns)
        names += (names.empty() ? "" : ", ") + std::string(column->name) + std::string(suffix);
    return names;
}

// Binds each column's value from the test, in order.
Statement& BindColumns(Statement& statement, const TestRow& test,
                       const std::vector<const TestColumn*>& columns)
{
    for (const TestColumn* column : columns) {
        if (const auto* number = std::get_if<int64_t TestRow::*>(&column->field))
            statement.Bind(test.**number);
        else
            statement.Bind(StoredText(test, *column));
    }
    return statement;
}

void ReadColumn(const Statement& row, int at, TestRow& test, const TestColumn& column)
{
    struct Visitor
    {
        const Statement& row;
        int at;
        TestRow& test;
        void operator()(int64_t TestRow::*field) const { test.*field = row.Integer(at); }
        void operator()(std::string TestRow::*field) const { test.*field = row.Text(at); }
        void operator()(std::optional<EndReason> TestRow::*field) const
        {
            test.*field = EndReasonOf(row.Text(at));
        }
    };
    std::visit(Visitor{row, at, test}, column.field);
}

// SQLite's check of the file: SQLITE_OK when it is whole, SQLITE_NOTADB or SQLITE_CORRUPT when it
// is no database or a damaged one, another code when it could not be checked (another program
// holds it, say).
int Integrity(Database& db)
{
    Statement check(db, "PRAGMA quick_check");
    if (check.Step() && check.Text(0) == "ok")
        return SQLITE_OK;
    if (check.Failed())
        return db.Code();
    db.Fail(SQLITE_CORRUPT, "it fails SQLite's check");
    return SQLITE_CORRUPT;
}

ProblemRow ReadProblem(const Statement& row)
{
    const std::string operation = row.Text(1);
    return {row.Integer(0),
            operation.empty() ? '?' : operation[0],
            OperandsOf(row.Text(2)),
            row.Integer(3),
            row.Text(4),
            row.Integer(5) != 0,
            row.Real(6)};
}

} // namespace

ResultsStore::ResultsStore(std::string path) : m_path(std::move(path)) {}

bool ResultsStore::OpenForWriting()
{
    if (m_path.empty())
        return m_db.Fail(SQLITE_CANTOPEN, "there is no folder to keep them in: HOME and "
                                          "XDG_DATA_HOME are unset, and the user has no home");
    if (const int error = MakeResultsFile(m_path))
        return m_db.Fail(SQLITE_CANTOPEN, std::strerror(error));
    if (!m_db.Open(m_path, true))
        return false;
    if (sqlite3_db_readonly(m_db.Handle(), "main") == 1) {
        m_db.Close();
        return m_db.Fail(SQLITE_READONLY, std::strerror(EACCES));
    }
    const int integrity = Integrity(m_db);
    if (integrity == SQLITE_NOTADB || integrity == SQLITE_CORRUPT) {
        m_db.Close();
        const std::string aside = SetAside(m_path);
        if (aside.empty())
            return m_db.Fail(integrity, "it is no results file, and cannot be moved aside");
        std::fprintf(stderr,
                     "carrowby: the results file %s could not be read; it was moved to %s and a "
                     "new one is begun\n",
                     m_path.c_str(), aside.c_str());
        return OpenForWriting();
    }
    if (integrity == SQLITE_OK && Prepare(true))
        return true;
    m_db.Close(); // the next test tries again
    return false;
}

bool ResultsStore::OpenForReading()
{
    if (m_path.empty() || access(m_path.c_str(), F_OK) != 0)
        return m_db.Fail(SQLITE_CANTOPEN, "");
    if (m_db.Open(m_path, false) && Prepare(false))
        return true;
    m_db.Close();
    return false;
}

bool ResultsStore::Prepare(bool writing)
{
    // Only a writer changes how the file is kept; a reader takes it as it is (read-only, say).
    // Two copies beginning the file at once may both turn the write-ahead log on, and SQLite
    // refuses one at once rather than have them wait for each other: it tries again.
    for (int tries = 0;
         writing && !m_db.Run("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;"); ++tries) {
        if (m_db.Code() != SQLITE_BUSY || tries == 200)
            return false;
        sqlite3_sleep(10);
    }
    if (!m_db.Run("PRAGMA secure_delete = ON; PRAGMA foreign_keys = ON;"))
        return false;
    int64_t version = -1;
    if (Statement read(m_db, "PRAGMA user_version"); read.Step()) // ended before any change
        version = read.Integer(0);
    return version >= SchemaVersion || (version >= 0 && BringUpToDate());
}

bool ResultsStore::BringUpToDate()
{
    return Change([this] {
        Statement version(m_db, "PRAGMA user_version"); // as it is now, within the change
        if (!version.Step())
            return false;
        for (int64_t step = version.Integer(0); step < SchemaVersion; ++step)
            if (!m_db.Run(Steps[static_cast<size_t>(step)]))
                return false;
        return m_db.Run("PRAGMA user_version = " +
                        std::to_string(std::max(version.Integer(0), SchemaVersion)));
    });
}

bool ResultsStore::Change(const std::function<bool()>& work)
{
    if (!m_db.Run("BEGIN IMMEDIATE"))
        return false;
    if (work() && m_db.Run("COMMIT"))
        return true;
    const std::string why = m_db.Why();
    const int code = m_db.Code();
    m_db.Run("ROLLBACK");
    return m_db.Fail(code, why);
}

std::optional<int64_t> ResultsStore::BeginTest(const TestRow& test)
{
    int64_t id = 0;
    const bool begun = Change([&] {
        const auto columns = ColumnsWritten({Written::AtStart, Written::WithEachAnswer});
        std::string values(2 * columns.size() - 1, ',');
        for (size_t at = 0; at < values.size(); at += 2)
            values[at] = '?';
        Statement insert(m_db,
                         "INSERT INTO tests (" + Names(columns) + ") VALUES (" + values + ")");
        if (!BindColumns(insert, test, columns).Done())
            return false;
        id = sqlite3_last_insert_rowid(m_db.Handle());
        return true;
    });
    return begun ? std::optional(id) : std::nullopt;
}

bool ResultsStore::Update(const TestRow& test, std::initializer_list<Written> moments)
{
    const auto columns = ColumnsWritten(moments);
    Statement update(m_db, "UPDATE tests SET " + Names(columns, " = ?") + " WHERE id = ?");
    return BindColumns(update, test, columns).Bind(test.id).Done();
}

bool ResultsStore::RecordAnswer(const TestRow& test, const ProblemRow& problem)
{
    return Change([&] {
        Statement insert(m_db, "INSERT INTO problems (test, number, operation, operands, "
                               "right_answer, given, correct, seconds) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
        insert.Bind(test.id)
            .Bind(problem.number)
            .Bind(std::string_view(&problem.operation, 1))
            .Bind(OperandsText(problem.operands))
            .Bind(problem.rightAnswer)
            .Bind(problem.given)
            .Bind(int64_t{problem.correct})
            .Bind(problem.seconds);
        return insert.Done() && Update(test, {Written::WithEachAnswer});
    });
}

bool ResultsStore::EndTest(const TestRow& test)
{
    return Change([&] { return Update(test, {Written::WithEachAnswer, Written::AtEnd}); });
}

std::vector<TestRow> ResultsStore::Tests(const std::optional<std::string>& title)
{
    std::vector<const TestColumn*> all;
    for (const TestColumn& column : TestColumns)
        all.push_back(&column);
    Statement select(m_db, "SELECT " + Names(all) + " FROM tests" +
                               (title ? " WHERE title = ?" : "") + " ORDER BY id DESC");
    if (title)
        select.Bind(*title);
    std::vector<TestRow> tests;
    while (select.Step()) {
        TestRow& test = tests.emplace_back();
        for (size_t at = 0; at < all.size(); ++at)
            ReadColumn(select, static_cast<int>(at), test, *all[at]);
    }
    return tests;
}

std::vector<std::string> ResultsStore::Titles()
{
    Statement select(m_db, "SELECT DISTINCT title FROM tests ORDER BY title");
    std::vector<std::string> titles;
    while (select.Step())
        titles.push_back(select.Text(0));
    return titles;
}

std::vector<ProblemRow> ResultsStore::Problems(int64_t test)
{
    Statement select(m_db, "SELECT " + std::string(ProblemColumns) +
                               " FROM problems WHERE test = ? ORDER BY number");
    select.Bind(test);
    std::vector<ProblemRow> problems;
    while (select.Step())
        problems.push_back(ReadProblem(select));
    return problems;
}

std::vector<ProblemRow> ResultsStore::LastAnswers(const std::string& title, int64_t count)
{
    Statement select(m_db, "SELECT " + std::string(ProblemColumns) +
                               " FROM problems WHERE test IN (SELECT id FROM tests WHERE title "
                               "= ?) ORDER BY test DESC, number DESC LIMIT ?");
    select.Bind(title).Bind(count);
    std::vector<ProblemRow> problems;
    while (select.Step())
        problems.push_back(ReadProblem(select));
    return problems;
}

bool ResultsStore::ForgetAll()
{
    // With secure_delete the freed pages are zeroed; VACUUM leaves none of them in the file, and
    // the checkpoint empties the write-ahead log, where earlier answers may still stand.
    if (!Change([this] { return m_db.Run("DELETE FROM problems; DELETE FROM tests;"); }) ||
        !m_db.Run("VACUUM"))
        return false;
    Statement checkpoint(m_db, "PRAGMA wal_checkpoint(TRUNCATE)");
    if (!checkpoint.Step())
        return false;
    return checkpoint.Integer(0) == 0 ||
           m_db.Fail(SQLITE_BUSY, "another copy of Carrowby is reading them; what it has read "
                                  "is gone once it closes");
}

} // namespace results
