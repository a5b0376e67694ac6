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

// SQLite's check of the file: SQLITE_OK when it is whole, SQLITE_NOTADB or SQLITE_CORRUPT when it
// is no database or a damaged one, another code when it could not be checked.
int Integrity(Database& db);

class ResultsWriter : public TestWriter
{
  public:
    explicit ResultsWriter(std::string path = DefaultResultsPath());

    // Its folder made (0700) and the file begun (0600), or narrowed where they are open to
    // others; a file that is no database or fails its check moved aside as it was found, log
    // and all, and what it still holds saved into a new one (said on standard error, and kept
    // in the file for the Results window); in write-ahead mode where the file can be switched
    // to it; brought up to date; the tests kept unwritten at the program's last end taken in.
    bool Open(int waitMs) override;
    bool IsOpen() const override { return m_db.IsOpen(); }
    // Closes the file, its log moved into it; where the file was moved or removed meanwhile, its
    // log is emptied into it first, so that what is left at the path never reaches another file.
    void Close() override;
    bool HasMoved() override { return m_db.HasMoved(); }
    const Reason& Why() const override { return m_db.Why(); }
    Outcome Failure() const override;
    const std::string& Path() const { return m_path; }

    std::optional<int64_t> BeginTest(const TestRow& test,
                                     const std::vector<ProblemRow>& answered = {}) override;
    Outcome RecordAnswer(const TestRow& test, const ProblemRow& problem) override;
    Outcome EndTest(const TestRow& test) override;
    void Checkpoint() override;
    bool KeepUnwritten(const std::vector<WholeTest>& tests) override;

    // The tests of a title, or every test, gone from the file for good, and from the tests kept
    // unwritten: no answer of theirs can be read back from its bytes. A copy of the file set
    // aside is kept until it is forgotten itself.
    bool Forget(const std::optional<std::string>& title = {});
    // Every copy of the file set aside, with what the file says of it, gone.
    bool ForgetCopiesSetAside();

  private:
    // Sets the file that failed its check aside as it was found; uses it without its log where
    // it is whole without it (a file put in place after the program was killed, with the log
    // of the file it replaced); else begins a new one with what can still be read from it.
    bool SetAsideUnreadable(int integrity, int waitMs);
    // Saves into the file, new, what the pages of the copy set aside still give (or, where the
    // file is the copy used without its log, nothing more), and keeps how many were saved.
    bool Salvage(const std::string& aside, bool fromPages);
    // Makes the file hold the test whole: where the test of that number, start and title is
    // there, its row brought up to date and its missing answers added; else written anew,
    // numbered so where insertNumbered, else by the file (as is a test of number 0).
    bool KeepTest(const WholeTest& whole, int64_t number, bool insertNumbered);
    // Takes in the tests kept unwritten at the program's last end, and removes their file.
    void TakeInUnwritten();
    Outcome Change(const TestRow& test, const std::function<bool()>& work);
    bool Update(const TestRow& test, std::initializer_list<Written> moments);
    // The answer of the test, or nothing where the test has an answer of that number already.
    bool InsertProblem(int64_t test, const ProblemRow& problem, bool unlessThere = false);

    std::string m_path;
    Database m_db;
};

} // namespace results
