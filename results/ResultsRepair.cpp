// A results file that fails its check: set aside as it was found, used without a log that is not
// its own, or what its pages still give saved into a new one.

#include "ColumnValues.h"
#include "PageRecords.h"
#include "ResultsWriter.h"
#include "toolkit/Say.h"

#include <filesystem>
#include <set>
#include <sqlite3.h>
#include <sys/stat.h>

namespace results {

namespace {

// Whether a value read from a page can be the column's, as this program writes it.
template <typename Row, typename Field> bool Fits(const PageValue& value, Field Row::*)
{
    if constexpr (std::is_same_v<Field, std::optional<int64_t>>)
        return !std::holds_alternative<double>(value) &&
               !std::holds_alternative<std::string>(value);
    else if constexpr (std::is_same_v<Field, int64_t> || std::is_same_v<Field, bool>)
        return std::holds_alternative<int64_t>(value);
    else if constexpr (std::is_same_v<Field, double>) // a whole number may be kept as one
        return std::holds_alternative<double>(value) || std::holds_alternative<int64_t>(value);
    else
        return std::holds_alternative<std::string>(value);
}

// Whether a page's row is one of the table whose columns these are: as many values as a version
// of the schema has columns, each of its column's kind (a test's number is the row's own).
template <typename Column, size_t Count>
bool IsRowOf(const PageRow& row, const Column (&columns)[Count], bool numbered)
{
    if (row.values.size() > Count || row.values.size() < Count - (numbered ? 1 : 0))
        return false;
    for (size_t at = numbered ? 1 : 0; at < row.values.size(); ++at)
        if (!std::visit([&](auto field) { return Fits(row.values[at], field); }, columns[at].field))
            return false;
    return !numbered || std::holds_alternative<std::monostate>(row.values[0]);
}

void BindPageValue(Statement& statement, const PageValue& value)
{
    std::visit(
        [&](const auto& held) {
            using Held = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<Held, std::monostate>)
                statement.Bind(std::optional<int64_t>());
            else
                statement.Bind(held);
        },
        value);
}

// "INSERT OR IGNORE INTO table (a, b) VALUES (?, ?)" for the first count columns.
template <typename Column, size_t Count>
std::string InsertOf(const char* table, const Column (&columns)[Count], size_t count)
{
    std::vector<const Column*> named;
    std::string values;
    for (size_t at = 0; at < count; ++at)
        named.push_back(&columns[at]), values += at ? ", ?" : "?";
    return std::string("INSERT OR IGNORE INTO ") + table + " (" + Names(named) + ") VALUES (" +
           values + ")";
}

} // namespace

bool ResultsWriter::SetAsideUnreadable(int integrity, int waitMs)
{
    m_db.CloseAsFound(); // its log not moved into it: the copy set aside is the file as it was
    struct stat log;
    const bool logged = stat((m_path + "-wal").c_str(), &log) == 0 && log.st_size > 0;
    const std::string aside = SetAside(m_path);
    if (aside.empty())
        return m_db.Fail(integrity, Reason{TRANSLATABLE("results", "it is no results file, and "
                                                                   "cannot be moved aside")});
    if (logged) {
        // Perhaps whole without the log beside it: a file put in place while the program was
        // killed, with the log of the one it replaced.
        std::error_code failed;
        std::filesystem::copy_file(aside, m_path, failed);
        Database alone;
        if (!failed && chmod(m_path.c_str(), 0600) == 0 &&
            alone.Open(m_path, Database::Writing, waitMs) && Integrity(alone) == SQLITE_OK) {
            alone.Close();
            toolkit::Say("the results file " + m_path + " could not be read with the log beside " +
                         "it, which is not its own; it was moved to " + aside +
                         " with that log, and the file is used without it");
            return Open(waitMs) && Salvage(aside, false);
        }
        alone.CloseAsFound();
        std::filesystem::remove(m_path, failed);
    }
    return Open(waitMs) && Salvage(aside, true);
}

bool ResultsWriter::Salvage(const std::string& aside, bool fromPages)
{
    const std::vector<PageRow> rows = fromPages ? ReadPageRows(aside) : std::vector<PageRow>{};
    if (!m_db.Run("BEGIN IMMEDIATE"))
        return false;
    int64_t had = 0;
    bool done = true;
    {
        Statement count(m_db, "SELECT count(*) FROM tests");
        had = fromPages && count.Step() ? count.Integer(0) : 0;
        done = !count.Failed();
    }
    int64_t highest = 0;        // the highest number the file ever gave a test
    std::set<int64_t> answered; // the tests that answers are found for
    for (const PageRow& row : rows) {
        if (IsRowOf(row, TestColumns, true)) {
            Statement insert(m_db, InsertOf("tests", TestColumns, row.values.size()));
            insert.Bind(row.rowid);
            for (size_t at = 1; at < row.values.size(); ++at)
                BindPageValue(insert, row.values[at]);
            done = insert.Done() && done;
        } else if (IsRowOf(row, ProblemColumns, false)) {
            answered.insert(std::get<int64_t>(row.values[0]));
        } else if (row.values.size() == 2 && row.values[0] == PageValue(std::string("tests")) &&
                   std::holds_alternative<int64_t>(row.values[1])) {
            highest = std::max(highest, std::get<int64_t>(row.values[1]));
        }
    }
    // The answers of the tests saved: a foreign key refuses those of a test not saved.
    for (const PageRow& row : rows) {
        if (!IsRowOf(row, ProblemColumns, false))
            continue;
        Statement insert(m_db, InsertOf("problems", ProblemColumns, row.values.size()));
        for (const PageValue& value : row.values)
            BindPageValue(insert, value);
        done = (insert.Done() || m_db.Code() == SQLITE_CONSTRAINT) && done;
    }
    Statement counts(m_db, "SELECT count(*), total(max(0, correct + incorrect - (SELECT count(*) "
                           "FROM problems WHERE test = id))), max(id) FROM tests");
    done = counts.Step() && done;
    const int64_t saved = counts.Integer(0) - had;
    const auto unreadAnswers = fromPages ? static_cast<int64_t>(counts.Real(1)) : 0;
    highest = std::max(highest, counts.Integer(2));
    counts.Done(); // read to its end: the file held no longer
    int64_t unreadTests = 0;
    for (const int64_t test : answered) {
        Statement there(m_db, "SELECT 1 FROM tests WHERE id = ?");
        unreadTests += there.Bind(test).Any() ? 0 : 1;
    }
    Statement numbered(m_db, "UPDATE sqlite_sequence SET seq = max(seq, ?) WHERE name = 'tests'");
    numbered.Bind(highest);
    Statement kept(m_db, "INSERT INTO set_aside VALUES (?, ?, ?, ?)");
    kept.Bind(aside.substr(aside.find_last_of('/') + 1)).Bind(saved).Bind(unreadTests);
    done = numbered.Done() && kept.Bind(unreadAnswers).Done() && done && m_db.Commit();
    if (!done) {
        const Reason why = m_db.Why();
        m_db.Run("ROLLBACK");
        return m_db.Fail(SQLITE_ERROR, why);
    }
    if (fromPages)
        toolkit::Say("the results file " + m_path + " could not be read whole; it was moved to " +
                     aside + ", and " + std::to_string(saved) + " tests were saved from it into " +
                     "a new one (" + std::to_string(unreadTests) + " tests and " +
                     std::to_string(unreadAnswers) + " answers could not be read)");
    return true;
}

} // namespace results
