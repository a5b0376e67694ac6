#include "Database.h"

#include <cstring>
#include <sqlite3.h>

namespace results {

Database::~Database()
{
    Close();
}

bool Database::Open(const std::string& path, Mode mode, int waitMs)
{
    Close();
    const int flags = mode == Reading     ? SQLITE_OPEN_READONLY
                      : mode == Beginning ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                          : SQLITE_OPEN_READWRITE;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(m_db, waitMs);
        return true;
    }
    Fail();
    Close();
    return false;
}

void Database::Close()
{
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool Database::Commit()
{
    if (!Run("COMMIT"))
        return false;
    Statement(*this, "PRAGMA wal_checkpoint(TRUNCATE)").Done();
    return true;
}

void Database::CloseAsFound()
{
    if (m_db)
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    Close();
}

bool Database::Run(std::string_view sql)
{
    const std::string statements(sql);
    return sqlite3_exec(m_db, statements.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK || Fail();
}

int64_t Database::Changed() const
{
    return sqlite3_changes64(m_db);
}

bool Database::HasMoved()
{
    int moved = 0;
    return sqlite3_file_control(m_db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
           moved != 0;
}

bool Database::Fail()
{
    if (!m_db)
        return Fail(SQLITE_CANTOPEN, sqlite3_errstr(SQLITE_NOMEM));
    std::string why = sqlite3_errmsg(m_db);
    if (const int error = sqlite3_system_errno(m_db); error != 0)
        why += std::string(" (") + std::strerror(error) + ")";
    return Fail(sqlite3_errcode(m_db), why);
}

bool Database::Fail(int code, results::Reason why)
{
    m_code = code & 0xff;
    m_why = std::move(why);
    return false;
}

Statement::Statement(Database& db, std::string_view sql) : m_db(db)
{
    if (!db.IsOpen())
        m_failed = !db.Fail(SQLITE_MISUSE, Reason{TRANSLATABLE("results", "it is not open")});
    else if (sqlite3_prepare_v2(db.Handle(), sql.data(), static_cast<int>(sql.size()), &m_statement,
                                nullptr) != SQLITE_OK)
        m_failed = !db.Fail();
}

Statement::~Statement()
{
    sqlite3_finalize(m_statement);
}

bool Statement::Bound(int result)
{
    if (result != SQLITE_OK && !m_failed)
        m_failed = !m_db.Fail();
    return !m_failed;
}

Statement& Statement::Bind(int64_t value)
{
    Bound(m_failed ? SQLITE_OK : sqlite3_bind_int64(m_statement, m_next++, value));
    return *this;
}

Statement& Statement::Bind(double value)
{
    Bound(m_failed ? SQLITE_OK : sqlite3_bind_double(m_statement, m_next++, value));
    return *this;
}

Statement& Statement::Bind(std::string_view text)
{
    Bound(m_failed ? SQLITE_OK
                   : sqlite3_bind_text(m_statement, m_next++, text.data(),
                                       static_cast<int>(text.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::Bind(std::optional<int64_t> value)
{
    if (value)
        return Bind(*value);
    Bound(m_failed ? SQLITE_OK : sqlite3_bind_null(m_statement, m_next++));
    return *this;
}

bool Statement::Step()
{
    if (m_failed)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        m_failed = !m_db.Fail();
    return false;
}

bool Statement::Done()
{
    while (Step()) {
    }
    return !m_failed;
}

bool Statement::Any()
{
    const bool row = Step();
    sqlite3_reset(m_statement);
    return row;
}

int Statement::Columns() const
{
    return sqlite3_column_count(m_statement);
}

int64_t Statement::Integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

std::optional<int64_t> Statement::MaybeInteger(int column) const
{
    if (sqlite3_column_type(m_statement, column) == SQLITE_NULL)
        return std::nullopt;
    return Integer(column);
}

double Statement::Real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

std::string Statement::Text(int column) const
{
    const auto* text = sqlite3_column_text(m_statement, column);
    return text ? std::string(reinterpret_cast<const char*>(text),
                              static_cast<size_t>(sqlite3_column_bytes(m_statement, column)))
                : std::string();
}

} // namespace results
