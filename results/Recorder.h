#pragma once

#include "ResultsStore.h"
#include "toolkit/Clock.h"

#include <memory>
#include <optional>
#include <string>

// Keeps each test as the drill runs it: a row when it starts, each answer by the time its
// verdict shows, and how it ended. The file is opened when the first test starts. Recording
// never stands in the drill's way: where the file cannot be opened or written, the test goes
// on unrecorded, the reason is said once on standard error and kept for the Results window, and
// the next test tries again.
namespace results {

class Recorder
{
  public:
    explicit Recorder(
        std::string path = DefaultResultsPath(),
        std::shared_ptr<const toolkit::Clock> clock = std::make_shared<toolkit::SystemClock>());

    void SetClock(std::shared_ptr<const toolkit::Clock> clock) { m_clock = std::move(clock); }

    void TestStarted(const TestSetup& setup, const Score& shown);
    // The problem now shown: its number in the test, its sign, its operands top to bottom.
    void ProblemShown(int64_t number, char operation, std::vector<int64_t> operands,
                      int64_t rightAnswer);
    void Answered(const std::string& given, bool correct, const Score& shown);
    void TestEnded(const Score& shown, EndReason reason);
    // Ended by the program's end, with the status as it was last recorded.
    void TestStopped();

    // Why the results are not being kept, or nothing while they are.
    const std::optional<std::string>& WhyNotKept() const { return m_whyNot; }
    const std::string& Path() const { return m_store.Path(); }

  private:
    bool Kept(bool done);

    ResultsStore m_store;
    std::shared_ptr<const toolkit::Clock> m_clock;
    std::optional<TestRow> m_test; // the test being recorded, as recorded so far
    ProblemRow m_problem;
    std::chrono::steady_clock::time_point m_shown;
    std::optional<std::string> m_whyNot;
    bool m_said = false;
};

} // namespace results
