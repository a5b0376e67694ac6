#pragma once

#include "Database.h"
#include "ResultsFile.h"
#include "TestColumns.h"

#include <functional>
#include <optional>
#include <string>

// Writes the record of every test in an SQLite file, a schema anyone may query:
//   tests(id, started, ended, title, operations, numbers, difficulty, problems, time_limit,
//         correct, incorrect, unanswered, percentage, grade, end_reason)
//   problems(test, number, operation, operands, right_answer, given, correct, seconds)
// Each change is one transaction, taken at once (BEGIN IMMEDIATE); a test is written only while
// it is in the file as it was begun, so that one forgotten meanwhile by another copy of the
// program is never written into another test.
namespace results {

class ResultsWriter
{
  public:
    enum Outcome
    {
        Kept,
        Busy,   // another program holds the file: try again later
        Gone,   // the test is no longer in the file: another copy forgot it
        Failed, // see Why
    };

    explicit ResultsWriter(std::string path = DefaultResultsPath());

    // Opens the file for recording, waiting at most waitMs at each call for another program
    // that holds it: its folder made (0700) and the file begun (0600), or narrowed where they
    // are open to others; a file that is no database or fails its check moved aside (its new
    // name said); in write-ahead mode where the file can be switched to it; brought up to date.
    bool Open(int waitMs);
    bool IsOpen() const { return m_db.IsOpen(); }
    void Close() { m_db.Close(); }
    // Whether the file at the path is no longer the one open (removed, moved or replaced).
    bool HasMoved() { return m_db.HasMoved(); }
    const std::string& Why() const { return m_db.Why(); }
    const std::string& Path() const { return m_path; }

    // The test's row, with the status it shows, and the answers it already has, in one
    // transaction; its id.
    std::optional<int64_t> BeginTest(const TestRow& test,
                                     const std::vector<ProblemRow>& answered = {});
    // The problem and the test's status after it, in one transaction.
    Outcome RecordAnswer(const TestRow& test, const ProblemRow& problem);
    // The test's status, when it ended and how.
    Outcome EndTest(const TestRow& test);
    // Moves what the write-ahead log holds into the file itself, where no reader stands in the
    // way, so that a copy of the file alone holds every test.
    void Checkpoint();

    // Every test gone from the file for good, with every copy of the file set aside: no answer
    // can be read back from their bytes.
    bool ForgetAll();

    // How an outcome of a change reads from SQLite's result.
    Outcome OutcomeOf(bool done) const;

  private:
    Outcome Change(const TestRow& test, const std::function<bool()>& work);
    bool Update(const TestRow& test, std::initializer_list<Written> moments);
    bool InsertProblem(int64_t test, const ProblemRow& problem);

    std::string m_path;
    Database m_db;
};

} // namespace results
