#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// A thin hold on SQLite: one connection, and statements that bind their values and step
// through their rows. Every failure keeps SQLite's words for it in Why().
namespace results {

class Database
{
  public:
    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the file, creating it when create is set; false when it cannot be opened.
    bool Open(const std::string& path, bool create);
    void Close();
    bool IsOpen() const { return m_db != nullptr; }
    // Runs statements that return nothing to read.
    bool Run(std::string_view sql);
    // Why the last call failed, and SQLite's primary result code for it.
    const std::string& Why() const { return m_why; }
    int Code() const { return m_code; }
    // Keeps SQLite's words for the failure of the last call, with the system's reason where
    // SQLite gives one; always false.
    bool Fail();
    bool Fail(int code, std::string why);

    sqlite3* Handle() const { return m_db; }

  private:
    sqlite3* m_db = nullptr;
    std::string m_why;
    int m_code = 0;
};

// One prepared statement; its values are bound in order with Bind, its rows read with Step.
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
    // True while there is a row to read; false at the end or on failure (see Done).
    bool Step();
    // Steps to the end; false when the statement failed.
    bool Done();
    bool Failed() const { return m_failed; }

    int64_t Integer(int column) const;
    double Real(int column) const;
    std::string Text(int column) const;

  private:
    Database& m_db;
    sqlite3_stmt* m_statement = nullptr;
    int m_next = 1;
    bool m_failed = false;
};

} // namespace results
