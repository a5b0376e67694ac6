// The tests that could not be written into the results file by the program's end: kept in a
// results file of their own beside it, and taken in at the next recording.
//
// There a test written into the results file already is numbered as the negative of its number
// there, so that it is found again; one never written there is numbered by that file.

#include "ColumnValues.h"
#include "ResultsReader.h"
#include "ResultsWriter.h"
#include "toolkit/Say.h"

#include <cstdio>
#include <sqlite3.h>
#include <unistd.h>

namespace results {

bool ResultsWriter::KeepTest(const WholeTest& whole, int64_t number, bool insertNumbered)
{
    if (!m_db.Run("BEGIN IMMEDIATE"))
        return false;
    TestRow test = whole.test;
    test.id = number;
    Statement ours(m_db, "SELECT 1 FROM tests WHERE id = ? AND started = ? AND title = ?");
    ours.Bind(test.id).Bind(test.started).Bind(test.title);
    const bool there = number != 0 && ours.Any();
    bool done = !ours.Failed();
    if (there) {
        done = done && Update(test, {Written::WithEachAnswer, Written::AtEnd});
    } else {
        const auto columns =
            ColumnsWritten({Written::AtStart, Written::WithEachAnswer, Written::AtEnd});
        const bool numbered = insertNumbered && number != 0;
        Statement insert(m_db, "INSERT INTO tests (" + std::string(numbered ? "id, " : "") +
                                   Names(columns) + ") VALUES (" + (numbered ? "?, " : "") +
                                   Placeholders(columns.size()) + ")");
        if (numbered)
            insert.Bind(number);
        done = done && BindColumns(insert, test, columns).Done();
        test.id = numbered ? number : sqlite3_last_insert_rowid(m_db.Handle());
    }
    for (const ProblemRow& answer : whole.answers)
        done = done && InsertProblem(test.id, answer, true);
    if (done && m_db.Commit())
        return true;
    const Reason why = m_db.Why();
    const int code = m_db.Code();
    m_db.Run("ROLLBACK");
    return m_db.Fail(code, why);
}

bool ResultsWriter::KeepUnwritten(const std::vector<WholeTest>& tests)
{
    for (const WholeTest& whole : tests)
        if (!KeepTest(whole, -whole.test.id, true))
            return false;
    return true;
}

void ResultsWriter::TakeInUnwritten()
{
    const std::string path = UnwrittenPath(m_path);
    if (m_path.ends_with(UnwrittenPath("")) || access(path.c_str(), F_OK) != 0)
        return;
    ResultsReader kept(path);
    const auto tests = kept.Open() ? kept.Tests() : std::nullopt;
    bool all = tests.has_value();
    for (size_t at = tests ? tests->size() : 0; all && at-- > 0;) { // the oldest first
        const TestRow& test = (*tests)[at];
        const auto answers = kept.Problems(test.id);
        all = answers && KeepTest({test, *answers}, std::max<int64_t>(0, -test.id), false);
    }
    if (!all) { // left for the next time
        toolkit::Say("the tests kept in " + path + " cannot be written to " + m_path + " yet (" +
                     (tests ? m_db.Why() : kept.Why()).English() + ")");
        return;
    }
    for (const char* file : {"", "-wal", "-shm", "-journal"})
        std::remove((path + file).c_str());
    toolkit::Say(std::to_string(tests->size()) + " tests kept in " + path +
                 " at the program's last end are written to " + m_path);
}

} // namespace results
