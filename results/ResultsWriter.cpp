#include "ResultsWriter.h"

#include "ColumnValues.h"
#include "Schema.h"
#include "toolkit/Say.h"

#include <cstring>
#include <sqlite3.h>
#include <unistd.h>

namespace results {

namespace {

// Waits at most so long for another program that holds the tests kept unwritten.
constexpr int TryWaitMs = 250;

} // namespace

// SQLite's check of the file: SQLITE_OK when it is whole, SQLITE_NOTADB or SQLITE_CORRUPT when it
// is no database or a damaged one, another code when it could not be checked (another program
// holds it, say). The whole check, which also finds an index that does not agree with its table
// (the quick one does not); on the recorder's thread, once a test.
int Integrity(Database& db)
{
    Statement check(db, "PRAGMA integrity_check(1)");
    if (check.Step() && check.Text(0) == "ok")
        return SQLITE_OK;
    if (check.Failed())
        return db.Code();
    db.Fail(SQLITE_CORRUPT, Reason{TRANSLATABLE("results", "it fails SQLite's check")});
    return SQLITE_CORRUPT;
}

ResultsWriter::ResultsWriter(std::string path) : m_path(std::move(path)) {}

bool ResultsWriter::Open(int waitMs)
{
    if (m_path.empty())
        return m_db.Fail(
            SQLITE_CANTOPEN,
            Reason{TRANSLATABLE("results", "there is no folder to keep them in: HOME and "
                                           "XDG_DATA_HOME are unset, and the user has no home")});
    if (const int error = MakeResultsFile(m_path))
        return m_db.Fail(SQLITE_CANTOPEN, std::strerror(error));
    if (!m_db.Open(m_path, Database::Writing, waitMs))
        return false;
    if (sqlite3_db_readonly(m_db.Handle(), "main") == 1) {
        m_db.Close();
        return m_db.Fail(SQLITE_READONLY, std::strerror(EACCES));
    }
    const int integrity = Integrity(m_db);
    if (integrity == SQLITE_NOTADB || integrity == SQLITE_CORRUPT)
        return SetAsideUnreadable(integrity, waitMs);
    // The write-ahead log lets readers read while a test is written; where another program
    // reading the file keeps it in its rollback journal, it stays so until the next opening.
    Statement(m_db, "PRAGMA journal_mode = WAL").Done();
    if (integrity == SQLITE_OK &&
        m_db.Run("PRAGMA synchronous = NORMAL; PRAGMA secure_delete = ON;") &&
        BringUpToDate(m_db)) {
        TakeInUnwritten();
        return true;
    }
    m_db.Close(); // the next change tries again
    return false;
}

void ResultsWriter::Close()
{
    // SQLite leaves the log of a file moved away at the path, where the file now there would
    // take it for its own: emptied into its own file, the log left there holds nothing.
    if (m_db.IsOpen() && m_db.HasMoved())
        Statement(m_db, "PRAGMA wal_checkpoint(TRUNCATE)").Done();
    m_db.Close();
}

std::unique_ptr<TestWriter> SQLiteWriter(const std::string& path, std::string&)
{
    return std::make_unique<ResultsWriter>(path);
}

ResultsWriter::Outcome ResultsWriter::Failure() const
{
    return m_db.Code() == SQLITE_BUSY || m_db.Code() == SQLITE_LOCKED ? Busy : Failed;
}

ResultsWriter::Outcome ResultsWriter::Change(const TestRow& test, const std::function<bool()>& work)
{
    if (!m_db.Run("BEGIN IMMEDIATE"))
        return Failure();
    Statement ours(m_db, "SELECT 1 FROM tests WHERE id = ? AND started = ? AND title = ?");
    ours.Bind(test.id).Bind(test.started).Bind(test.title);
    const bool there = ours.Any();
    bool done = !ours.Failed() && there && work() && m_db.Commit();
    if (done)
        return Kept;
    const Reason why = m_db.Why();
    const int code = m_db.Code();
    m_db.Run("ROLLBACK");
    m_db.Fail(code, why);
    return !ours.Failed() && !there ? Gone : Failure();
}

bool ResultsWriter::Update(const TestRow& test, std::initializer_list<Written> moments)
{
    const auto columns = ColumnsWritten(moments);
    Statement update(m_db, "UPDATE tests SET " + Names(columns, "", " = ?") + " WHERE id = ?");
    return BindColumns(update, test, columns).Bind(test.id).Done();
}

std::optional<int64_t> ResultsWriter::BeginTest(const TestRow& test,
                                                const std::vector<ProblemRow>& answered)
{
    if (!m_db.Run("BEGIN IMMEDIATE"))
        return std::nullopt;
    const auto columns = ColumnsWritten({Written::AtStart, Written::WithEachAnswer});
    Statement insert(m_db, "INSERT INTO tests (" + Names(columns) + ") VALUES (" +
                               Placeholders(columns.size()) + ")");
    bool done = BindColumns(insert, test, columns).Done();
    const int64_t id = sqlite3_last_insert_rowid(m_db.Handle());
    for (const ProblemRow& problem : answered)
        done = done && InsertProblem(id, problem);
    if (done && m_db.Commit())
        return id;
    const Reason why = m_db.Why();
    const int code = m_db.Code();
    m_db.Run("ROLLBACK");
    m_db.Fail(code, why);
    return std::nullopt;
}

bool ResultsWriter::InsertProblem(int64_t test, const ProblemRow& problem, bool unlessThere)
{
    static const std::vector<const ProblemColumn*> columns = ProblemColumnsListed();
    ProblemRow row = problem;
    row.test = test;
    Statement insert(m_db, std::string(unlessThere ? "INSERT OR IGNORE" : "INSERT") +
                               " INTO problems (" + Names(columns) + ") VALUES (" +
                               Placeholders(columns.size()) + ")");
    return BindColumns(insert, row, columns).Done();
}

ResultsWriter::Outcome ResultsWriter::RecordAnswer(const TestRow& test, const ProblemRow& problem)
{
    return Change(test, [&] {
        return InsertProblem(test.id, problem) && Update(test, {Written::WithEachAnswer});
    });
}

ResultsWriter::Outcome ResultsWriter::EndTest(const TestRow& test)
{
    return Change(test, [&] { return Update(test, {Written::WithEachAnswer, Written::AtEnd}); });
}

void ResultsWriter::Checkpoint()
{
    Statement(m_db, "PRAGMA wal_checkpoint(TRUNCATE)").Done();
}

bool ResultsWriter::Forget(const std::optional<std::string>& title)
{
    // With secure_delete the freed pages are zeroed; VACUUM leaves none of them in the file, and
    // the checkpoint empties the write-ahead log, where earlier answers may still stand.
    if (!m_db.Run("BEGIN IMMEDIATE"))
        return false;
    const std::string_view titled = " WHERE title = ?", all = "";
    Statement problems(m_db,
                       std::string("DELETE FROM problems WHERE test IN (SELECT id FROM tests") +
                           std::string(title ? titled : all) + ")");
    Statement tests(m_db, "DELETE FROM tests" + std::string(title ? titled : all));
    if (title)
        problems.Bind(*title), tests.Bind(*title);
    if (!problems.Done() || !tests.Done() || !m_db.Commit()) {
        const Reason why = m_db.Why();
        m_db.Run("ROLLBACK");
        return m_db.Fail(SQLITE_ERROR, why);
    }
    if (!m_db.Run("VACUUM"))
        return false;
    Statement checkpoint(m_db, "PRAGMA wal_checkpoint(TRUNCATE)");
    if (!checkpoint.Step())
        return false;
    // Another program reading the file holds the log's earlier pages until it lets go of the
    // file; the last to close it moves the log into the file and removes it.
    if (checkpoint.Integer(0) != 0 || checkpoint.Integer(1) != checkpoint.Integer(2))
        return m_db.Fail(SQLITE_BUSY,
                         Reason{TRANSLATABLE("results", "another program has the results file "
                                                        "open; what it has read stays in the file "
                                                        "until that program closes it")});
    ResultsWriter unwritten(UnwrittenPath(m_path));
    return access(unwritten.Path().c_str(), F_OK) != 0 ||
           (unwritten.Open(TryWaitMs) && unwritten.Forget(title)) ||
           m_db.Fail(unwritten.Failure() == Busy ? SQLITE_BUSY : SQLITE_ERROR, unwritten.Why());
}

bool ResultsWriter::ForgetCopiesSetAside()
{
    if (!ForgetSetAside(m_path))
        return m_db.Fail(SQLITE_IOERR,
                         Reason{TRANSLATABLE("results", "a copy set aside cannot be removed (%1)"),
                                std::strerror(errno)});
    return m_db.Run("DELETE FROM set_aside");
}

} // namespace results
