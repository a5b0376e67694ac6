#pragma once

#include "Reason.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// A thin hold on SQLite: one connection, and statements that bind their values and step
// through their rows. Every call's result is checked; a failure keeps SQLite's words for it in
// Why(), with the system's reason where SQLite gives one.
namespace results {

class Database
{
  public:
    enum Mode
    {
        Reading,  // the file as it is, never changed (and never made)
        Writing,  // the file changed, where it is there
        Beginning // the file changed, made where it is missing
    };

    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the file; false when it cannot be opened. Each call waits at most waitMs for
    // another program that holds the file.
    bool Open(const std::string& path, Mode mode, int waitMs);
    void Close();
    // Closes without moving what the write-ahead log holds into the file, which then stays as it
    // is, its log beside it: for a file that is not whole, set aside as it was found.
    void CloseAsFound();
    bool IsOpen() const { return m_db != nullptr; }
    // Runs statements that return nothing to read.
    bool Run(std::string_view sql);
    // Commits the transaction, then moves the write-ahead log into the file and empties it,
    // where no reader stands in the way: so the log is empty between changes, and one left by a
    // program killed never holds more than the change it was making (which a file put in its
    // place would take for its own). A log that cannot be emptied fails nothing.
    bool Commit();
    // Rows changed by the last statement.
    int64_t Changed() const;
    // Whether the file at the path is no longer the one open: removed, moved or replaced.
    bool HasMoved();
    // Why the last call failed, and SQLite's primary result code for it.
    const results::Reason& Why() const { return m_why; }
    int Code() const { return m_code; }
    // Keeps SQLite's words for the failure of the last call; always false.
    bool Fail();
    // Keeps the program's reason, or another's words as they are; always false.
    bool Fail(int code, results::Reason why);
    bool Fail(int code, std::string words) { return Fail(code, results::Reason{"%1", words}); }

    sqlite3* Handle() const { return m_db; }

  private:
    sqlite3* m_db = nullptr;
    results::Reason m_why;
    int m_code = 0;
};

// One prepared statement; its values are bound in order with Bind, its rows read with Step. A
// failure to prepare, to bind or to step makes Step false and Failed true, and is kept by the
// database.
class Statement
{
  public:
    Statement(Database& db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int64_t value);
    Statement& Bind(double value);
    Statement& Bind(std::string_view text);
    Statement& Bind(std::optional<int64_t> value); // nothing as NULL
    // True while there is a row to read; false at the end or on failure (see Failed).
    bool Step();
    // Steps to the end; false when the statement failed.
    bool Done();
    // Whether the statement gives a row; reset after, so that it holds no read of the file (which
    // would keep the log from being emptied at the commit).
    bool Any();
    bool Failed() const { return m_failed; }
    // The columns each row has.
    int Columns() const;

    int64_t Integer(int column) const;
    std::optional<int64_t> MaybeInteger(int column) const; // nothing for NULL
    double Real(int column) const;
    std::string Text(int column) const;

  private:
    bool Bound(int result);

    Database& m_db;
    sqlite3_stmt* m_statement = nullptr;
    int m_next = 1;
    bool m_failed = false;
};

} // namespace results
