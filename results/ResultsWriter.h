#pragma once

#include "Database.h"
#include "ResultsFile.h"
#include "TestColumns.h"
#include "TestWriter.h"

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

class ResultsWriter : public TestWriter
{
  public:
    explicit ResultsWriter(std::string path = DefaultResultsPath());

    // Its folder made (0700) and the file begun (0600), or narrowed where they are open to
    // others; a file that is no database or fails its check moved aside (its new name said); in
    // write-ahead mode where the file can be switched to it; brought up to date.
    bool Open(int waitMs) override;
    bool IsOpen() const override { return m_db.IsOpen(); }
    void Close() override { m_db.Close(); }
    bool HasMoved() override { return m_db.HasMoved(); }
    const Reason& Why() const override { return m_db.Why(); }
    Outcome Failure() const override;
    const std::string& Path() const { return m_path; }

    std::optional<int64_t> BeginTest(const TestRow& test,
                                     const std::vector<ProblemRow>& answered = {}) override;
    Outcome RecordAnswer(const TestRow& test, const ProblemRow& problem) override;
    Outcome EndTest(const TestRow& test) override;
    void Checkpoint() override;

    // The tests of a title, or every test with every copy of the file set aside, gone from the
    // file for good: no answer of theirs can be read back from its bytes.
    bool Forget(const std::optional<std::string>& title = {});

  private:
    Outcome Change(const TestRow& test, const std::function<bool()>& work);
    bool Update(const TestRow& test, std::initializer_list<Written> moments);
    bool InsertProblem(int64_t test, const ProblemRow& problem);

    std::string m_path;
    Database m_db;
};

} // namespace results
