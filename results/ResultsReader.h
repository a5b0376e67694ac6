#pragma once

#include "Database.h"
#include "ProblemColumns.h"
#include "ResultsCsv.h"
#include "ResultsFile.h"
#include "TestColumns.h"
#include "TestRecord.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Reads the results file as it is, changing nothing in it: a file of an older schema is read as
// it stands. Every read is whole or fails with why: a part is never given as the whole, nor a
// test or an answer twice (what is read is checked against the file's own counts, which a
// damaged page or index does not give alike). The file is held only while it is read, so that
// the program that closes it last may move its log into it.
namespace results {

class ResultsReader
{
  public:
    explicit ResultsReader(std::string path = DefaultResultsPath());

    // Opens the file as it is now; false, with why, where it cannot be read, and with an empty
    // why where there is no file, which is no fault (nothing has been recorded yet).
    bool Open();
    const Reason& Why() const { return m_db.Why(); }
    const std::string& Path() const { return m_path; }

    // The tests of one title, or of every title, newest first.
    std::optional<std::vector<TestRow>> Tests(const std::optional<std::string>& title = {});
    // Every title that has a test, in order.
    std::optional<std::vector<std::string>> Titles();
    // A test's answered problems, in order.
    std::optional<std::vector<ProblemRow>> Problems(int64_t test);
    // Every answer of one title's tests, or of every title's, oldest first, each with its test.
    std::optional<std::vector<AnswerRow>> Answers(const std::optional<std::string>& title = {});
    // Hands over every answer of a title's tests, oldest first, with the numbers ticked in its
    // test where they chose its problem; false where they cannot all be read.
    bool ForEachAnswer(const std::string& title,
                       const std::function<void(const AnsweredProblem&)>& take);
    // The copies of the file set aside beside it, with what was saved from each where the file
    // says.
    std::vector<CopySetAside> CopiesSetAside();

  private:
    // Holds the file open for a read, and lets go of it after.
    class Reading;
    // Whether so many rows read, each once, agree with the count the query gives with and
    // without the file's indexes (NOT INDEXED where the query says %1), its value bound by
    // bind; false, with why, where they do not or the file cannot be read.
    bool Agrees(size_t read, bool once, const std::string& count,
                const std::function<void(Statement&)>& bind);
    // Hands over each problem of the rows selected, its columns from first on; false where the
    // rows cannot all be read.
    bool ReadProblems(Statement& select, int first, const std::function<void(ProblemRow&&)>& take);
    // The declared columns the file's table has, in order; false, with why (missing, naming the
    // column), where one that every version has is missing.
    template <typename Column, size_t Count>
    bool Present(const char* table, const Column (&declared)[Count],
                 std::vector<const Column*>& present, const char* missing);

    std::string m_path;
    Database m_db;
    // The declared columns of the file's tables; none where it has no tables yet.
    std::vector<const TestColumn*> m_tests;
    std::vector<const ProblemColumn*> m_problems;
};

} // namespace results
