#pragma once

#include "Database.h"
#include "ResultsFile.h"
#include "TestColumns.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The record of every test in an SQLite file, a schema anyone may query:
//   tests(id, started, ended, title, operations, numbers, difficulty, problems, time_limit,
//         correct, incorrect, unanswered, percentage, grade, end_reason)
//   problems(test, number, operation, operands, right_answer, given, correct, seconds)
// PRAGMA user_version holds the schema's version; a file of an older one is brought up to date
// when it is opened. Each change is one transaction, taken at once (BEGIN IMMEDIATE) and
// waited for while another copy of the program writes, so two copies both keep everything.
namespace results {

class ResultsStore
{
  public:
    // The schema's version that this program writes.
    static constexpr int64_t SchemaVersion = 2;

    explicit ResultsStore(std::string path = DefaultResultsPath());

    // Opens the file for recording: its folder made (0700), the file begun (0600), a file that
    // is no database or fails its check moved aside (its new name said on standard error).
    bool OpenForWriting();
    // Opens a file that is there for reading only; false, with an empty Why, where there is none.
    bool OpenForReading();
    bool IsOpen() const { return m_db.IsOpen(); }
    // Why the last call failed.
    const std::string& Why() const { return m_db.Why(); }
    const std::string& Path() const { return m_path; }

    // The test's row, with the status as it shows at its start; its id.
    std::optional<int64_t> BeginTest(const TestRow& test);
    // The problem and the test's status after it, in one transaction.
    bool RecordAnswer(const TestRow& test, const ProblemRow& problem);
    // The test's status, when it ended and how.
    bool EndTest(const TestRow& test);

    // The tests of one title, or of every title, newest first.
    std::vector<TestRow> Tests(const std::optional<std::string>& title = std::nullopt);
    // Every title that has a test, in order.
    std::vector<std::string> Titles();
    std::vector<ProblemRow> Problems(int64_t test);
    // The last answers of a title's tests, newest first.
    std::vector<ProblemRow> LastAnswers(const std::string& title, int64_t count);

    // Every test gone from the file for good: no answer can be read back from its bytes.
    bool ForgetAll();

  private:
    bool Prepare(bool writing);
    bool BringUpToDate();
    bool Change(const std::function<bool()>& work);
    // The test's columns written at those moments, as the test has them now.
    bool Update(const TestRow& test, std::initializer_list<Written> moments);

    std::string m_path;
    Database m_db;
};

} // namespace results
