#include "Schema.h"

#include <sqlite3.h>
#include <string_view>

namespace results {

namespace {

struct Step
{
    std::string_view change;
    // A query that gives a row where the file holds the change already; none where the change
    // can be made twice.
    std::string_view present = {};
};

// Each version's step from the one before; a new file takes them all.
constexpr Step Steps[] = {
    // 1: the schema as it was first published, the tables themselves.
    {R"(CREATE TABLE IF NOT EXISTS tests (
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
        CREATE TABLE IF NOT EXISTS problems (
            test INTEGER NOT NULL REFERENCES tests (id) ON DELETE CASCADE,
            number INTEGER NOT NULL,
            operation TEXT NOT NULL,
            operands TEXT NOT NULL,
            right_answer INTEGER NOT NULL,
            given TEXT NOT NULL,
            correct INTEGER NOT NULL,
            seconds REAL NOT NULL,
            PRIMARY KEY (test, number));)"},
    // 2: a title's tests found without reading every test's row.
    {"CREATE INDEX IF NOT EXISTS tests_by_title ON tests (title, id);"},
    // 3: a test's number never given again once its test is forgotten, so that another copy
    // still writing that test never writes into a new one; and no percentage or grade for a test
    // with nothing answered. SQLite changes neither in place: the table is made anew.
    {R"(CREATE TABLE tests_rebuilt (
            id INTEGER PRIMARY KEY AUTOINCREMENT,
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
            percentage INTEGER,
            grade TEXT NOT NULL DEFAULT '',
            end_reason TEXT NOT NULL DEFAULT '');
        INSERT INTO tests_rebuilt
            SELECT id, started, ended, title, operations, numbers, difficulty, problems,
                   time_limit, correct, incorrect, unanswered,
                   CASE WHEN correct + incorrect = 0 THEN NULL ELSE percentage END,
                   CASE WHEN correct + incorrect = 0 THEN '' ELSE grade END, end_reason
            FROM tests;
        DROP TABLE tests;
        ALTER TABLE tests_rebuilt RENAME TO tests;
        CREATE INDEX tests_by_title ON tests (title, id);)",
     "SELECT 1 FROM sqlite_master WHERE name = 'tests' AND sql LIKE '%AUTOINCREMENT%'"},
    // 4: a practice of what was missed told from a test.
    {"ALTER TABLE tests ADD COLUMN practice INTEGER NOT NULL DEFAULT 0;",
     "SELECT 1 FROM pragma_table_info('tests') WHERE name = 'practice'"},
    // 5: what was saved from a file that could not be read whole, kept until the copy set aside
    // is forgotten: its name beside this file, and how many tests were saved from it and how
    // many tests and answers could not be read.
    {R"(CREATE TABLE IF NOT EXISTS set_aside (
            name TEXT NOT NULL,
            saved INTEGER NOT NULL,
            unread_tests INTEGER NOT NULL,
            unread_answers INTEGER NOT NULL);)"},
};

} // namespace

int64_t SchemaVersion()
{
    return static_cast<int64_t>(std::size(Steps));
}

std::optional<int64_t> FileVersion(Database& db)
{
    Statement read(db, "PRAGMA user_version");
    if (!read.Step())
        return read.Failed() ? std::nullopt : std::optional<int64_t>(0);
    const int64_t version = read.Integer(0);
    if (version < 0) {
        db.Fail(SQLITE_FORMAT,
                Reason{TRANSLATABLE("results", "it says it is of version %1, which no Carrowby "
                                               "writes"),
                       std::to_string(version)});
        return std::nullopt;
    }
    return version;
}

bool BringUpToDate(Database& db, int64_t upTo)
{
    if (const auto version = FileVersion(db); !version || *version >= upTo)
        return version && db.Run("PRAGMA foreign_keys = ON");
    // The tables are made anew with their references to each other left off, or a test's
    // answers would go with its old table.
    bool done = db.Run("PRAGMA foreign_keys = OFF") && db.Run("BEGIN IMMEDIATE");
    const bool begun = done;
    const std::optional<int64_t> version = done ? FileVersion(db) : std::nullopt; // within it
    done = done && version;
    for (int64_t step = version.value_or(0); done && step < upTo; ++step) {
        const Step& next = Steps[static_cast<size_t>(step)];
        Statement present(db, next.present.empty() ? "SELECT NULL WHERE 0" : next.present);
        const bool there = present.Step();
        done = !present.Failed() && (there || db.Run(next.change));
    }
    if (done && *version < upTo)
        done = db.Run("PRAGMA user_version = " + std::to_string(upTo));
    done = done && db.Commit();
    if (!done && begun) {
        const Reason why = db.Why();
        const int code = db.Code();
        db.Run("ROLLBACK");
        db.Fail(code, why);
    }
    return db.Run("PRAGMA foreign_keys = ON") && done;
}

std::optional<std::set<std::string>> ColumnsOf(Database& db, const char* table)
{
    Statement read(db, "SELECT name FROM pragma_table_info(?)");
    read.Bind(std::string_view(table));
    std::set<std::string> columns;
    while (read.Step())
        columns.insert(read.Text(0));
    return read.Failed() ? std::nullopt : std::optional(columns);
}

} // namespace results
