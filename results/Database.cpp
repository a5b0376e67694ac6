#include "Database.h"

#include <cstring>
#include <sqlite3.h>

namespace results {

Database::~Database()
{
    Close();
}

bool Database::Open(const std::string& path, bool create)
{
    Close();
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) == SQLITE_OK) {
        // Another copy of the program writes for a few milliseconds at a time.
        sqlite3_busy_timeout(m_db, 2000);
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

bool Database::Run(std::string_view sql)
{
    const std::string statements(sql);
    return sqlite3_exec(m_db, statements.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK || Fail();
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

bool Database::Fail(int code, std::string why)
{
    m_code = code & 0xff;
    m_why = std::move(why);
    return false;
}

Statement::Statement(Database& db, std::string_view sql) : m_db(db)
{
    if (!db.IsOpen() || sqlite3_prepare_v2(db.Handle(), sql.data(), static_cast<int>(sql.size()),
                                           &m_statement, nullptr) != SQLITE_OK)
        m_failed = !db.IsOpen() ? !db.Fail(SQLITE_MISUSE, "not open") : !db.Fail();
}

Statement::~Statement()
{
    sqlite3_finalize(m_statement);
}

Statement& Statement::Bind(int64_t value)
{
    sqlite3_bind_int64(m_statement, m_next++, value);
    return *this;
}

Statement& Statement::Bind(double value)
{
    sqlite3_bind_double(m_statement, m_next++, value);
    return *this;
}

Statement& Statement::Bind(std::string_view text)
{
    sqlite3_bind_text(m_statement, m_next++, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
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

int64_t Statement::Integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
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
