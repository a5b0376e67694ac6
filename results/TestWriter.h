#pragma once

#include "Reason.h"
#include "TestRecord.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace results {

// A test with its answers, as the file is to hold it once written.
struct WholeTest
{
    TestRow test; // its id the file's, where it was written there; else 0
    std::vector<ProblemRow> answers;
};

// What the recorder asks of the results file, on its own thread: its tests written one change
// at a time. The file itself is SQLite's (ResultsWriter), kept in a module of its own so that
// the program loads SQLite only once a test is to be recorded.
class TestWriter
{
  public:
    enum Outcome
    {
        Kept,
        Busy,   // another program holds the file: try again later
        Gone,   // the test is no longer in the file: another copy forgot it
        Failed, // see Why
    };

    virtual ~TestWriter() = default;

    // Opens the file for recording, waiting at most waitMs at each call for another program
    // that holds it.
    virtual bool Open(int waitMs) = 0;
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
    // Whether the file at the path is no longer the one open (removed, moved or replaced).
    virtual bool HasMoved() = 0;
    virtual const Reason& Why() const = 0;
    // The outcome of a change that failed, from why it failed.
    virtual Outcome Failure() const = 0;

    // The test's row, with the status it shows, and the answers it already has, in one
    // transaction; its id.
    virtual std::optional<int64_t> BeginTest(const TestRow& test,
                                             const std::vector<ProblemRow>& answered = {}) = 0;
    // The problem and the test's status after it, in one transaction.
    virtual Outcome RecordAnswer(const TestRow& test, const ProblemRow& problem) = 0;
    // The test's status, when it ended and how.
    virtual Outcome EndTest(const TestRow& test) = 0;
    // Moves what the write-ahead log holds into the file itself, where no reader stands in the
    // way, so that a copy of the file alone holds every test.
    virtual void Checkpoint() = 0;
    // Makes the file hold each test whole, numbered as it is given: for tests that could not be
    // written into the results file by the program's end, kept in a file of their own until the
    // next recording (UnwrittenPath). False, with why, where they could not all be kept.
    virtual bool KeepUnwritten(const std::vector<WholeTest>& tests) = 0;
};

// Makes the writer of the file at a path; none, with why, where it cannot be had.
using MakeWriter =
    std::function<std::unique_ptr<TestWriter>(const std::string& path, std::string& why)>;

// SQLite's writer itself, for those that link it.
std::unique_ptr<TestWriter> SQLiteWriter(const std::string& path, std::string& why);

} // namespace results
