#include "Recorder.h"

#include "LocalTime.h"

#include <cmath>
#include <cstdio>

namespace results {

Recorder::Recorder(std::string path) : m_store(std::move(path)) {}

bool Recorder::Kept(bool done)
{
    if (done) {
        m_whyNot.reset();
        return true;
    }
    m_test.reset(); // the rest of this test goes unrecorded
    m_whyNot = m_store.Why();
    if (!m_said)
        std::fprintf(stderr,
                     "carrowby: results cannot be kept in %s (%s); the drill goes on "
                     "without them\n",
                     m_store.Path().c_str(), m_whyNot->c_str());
    m_said = true;
    return false;
}

void Recorder::TestStarted(const TestSetup& setup, const Score& shown)
{
    m_test.reset();
    if (!Kept(m_store.IsOpen() || m_store.OpenForWriting()))
        return;
    m_score = shown;
    m_test = m_store.BeginTest(setup, shown, LocalTimeText(std::time(nullptr)));
    Kept(m_test.has_value());
}

void Recorder::ProblemShown(int64_t number, char operation, std::vector<int64_t> operands,
                            int64_t rightAnswer)
{
    m_problem = {number, operation, std::move(operands), rightAnswer, {}, false, 0};
    m_shown = std::chrono::steady_clock::now();
}

void Recorder::Answered(const std::string& given, bool correct, const Score& shown)
{
    if (!m_test)
        return;
    m_problem.given = given;
    m_problem.correct = correct;
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - m_shown;
    m_problem.seconds = std::round(taken.count() * 10) / 10;
    m_score = shown;
    Kept(m_store.RecordAnswer(*m_test, m_problem, shown));
}

void Recorder::TestEnded(const Score& shown, EndReason reason)
{
    if (!m_test)
        return;
    Kept(m_store.EndTest(*m_test, shown, reason, LocalTimeText(std::time(nullptr))));
    m_test.reset();
}

void Recorder::TestStopped()
{
    TestEnded(m_score, EndReason::Stopped);
}

} // namespace results
