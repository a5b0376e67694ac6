#pragma once

#include "ResultsFile.h"
#include "TestWriter.h"
#include "toolkit/Clock.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// Keeps each test as the drill runs it: a row when it starts, each answer by the time its
// verdict shows, and how it ended.
//
// Recording never stands in the drill's way: what the drill hands over is kept in order and
// written by a thread of the recorder's own, so no verdict ever waits on the file. Where the file
// cannot be written for now (another program holds it, a full disk, a folder that cannot be
// made), what waits is kept and written once it can be, and why it waits is said on standard
// error as it first does and kept for the Results window. A file removed, moved or replaced
// meanwhile is begun again at its place, with the test in progress whole. A test that another
// copy of the program forgot while it ran is not written on, and the answers lost so are said.
namespace results {

// How the recording stands: why what was handed over waits to be written (nothing while
// everything is written), and the answers of this run that could not be kept, with why.
struct Recording
{
    std::optional<Reason> waiting;
    int64_t pendingAnswers = 0; // answers handed over and not yet written
    int64_t lostAnswers = 0;
    Reason lostWhy;
};

class Recorder
{
  public:
    // The file's writer is made by makeWriter when the first test is to be written.
    explicit Recorder(
        std::string path = DefaultResultsPath(),
        std::shared_ptr<const toolkit::Clock> clock = std::make_shared<toolkit::SystemClock>(),
        MakeWriter makeWriter = SQLiteWriter);
    // Writes what is left, waiting at most a moment for the file; what could not be written by
    // then is kept beside it (UnwrittenPath) until the next recording, and said.
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void SetClock(std::shared_ptr<const toolkit::Clock> clock) { m_clock = std::move(clock); }
    // Called, on the recorder's own thread, each time a test's start or end has been written.
    void SetWritten(std::function<void()> written);

    void TestStarted(const TestSetup& setup, const Score& shown);
    // The problem now shown: its number in the test, its sign, its operands top to bottom.
    void ProblemShown(int64_t number, char operation, std::vector<int64_t> operands,
                      int64_t rightAnswer);
    void Answered(const std::string& given, bool correct, const Score& shown);
    void TestEnded(const Score& shown, EndReason reason);

    // Waits until everything handed over so far is written, or until writing it has failed since
    // the call, for at most this long; true when everything is written.
    bool Flush(std::chrono::milliseconds most);

    Recording State() const;
    const std::string& Path() const { return m_path; }

  private:
    struct Step
    {
        enum Kind
        {
            Begin,
            Answer,
            End
        } kind;
        TestRow test; // as it stands after this step
        ProblemRow problem;
    };

    void Hand(Step step);
    // The status after an answer, with the test's length as it stands.
    void Shown(const Score& shown);
    void Write();
    TestWriter::Outcome Apply(const Step& step);
    void Said(const std::optional<Reason>& waiting);
    int64_t PendingAnswers() const;
    // The tests of the steps not written, each whole: once the thread has ended.
    std::vector<WholeTest> Unwritten() const;

    const std::string m_path;
    std::shared_ptr<const toolkit::Clock> m_clock;
    std::optional<TestRow> m_test; // the test being recorded, as handed over so far
    ProblemRow m_problem;
    std::chrono::steady_clock::time_point m_shown;

    // Shared with the recorder's thread.
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Step> m_steps;
    Recording m_state;
    unsigned m_failures = 0; // counts the failed tries, so that Flush sees one
    bool m_stopping = false;
    std::chrono::steady_clock::time_point m_giveUp;
    std::function<void()> m_written;

    // The recorder's thread's own.
    MakeWriter m_makeWriter;
    std::unique_ptr<TestWriter> m_writer;
    std::string m_unmade;               // why the writer could not be made
    std::optional<int64_t> m_id;        // the test now written, as the file numbers it
    TestRow m_begun;                    // that test, as written so far
    std::vector<ProblemRow> m_answered; // its answers written so far
    bool m_forgotten = false;           // forgotten by another copy while it ran
    std::thread m_thread;
};

} // namespace results
