#include "Recorder.h"

#include "LocalTime.h"
#include "toolkit/Say.h"

#include <cmath>

namespace results {

Recorder::Recorder(std::string path, std::shared_ptr<const toolkit::Clock> clock)
    : m_store(std::move(path)), m_clock(std::move(clock))
{
}

bool Recorder::Kept(bool done)
{
    if (done) {
        m_whyNot.reset();
        return true;
    }
    m_test.reset(); // the rest of this test goes unrecorded
    m_whyNot = m_store.Why();
    if (!m_said)
        toolkit::Say("results cannot be kept in " + m_store.Path() + " (" + *m_whyNot +
                     "); the drill goes on without them");
    m_said = true;
    return false;
}

void Recorder::TestStarted(const TestSetup& setup, const Score& shown)
{
    m_test.reset();
    if (!Kept(m_store.IsOpen() || m_store.OpenForWriting()))
        return;
    TestRow test;
    static_cast<TestSetup&>(test) = setup;
    static_cast<Score&>(test) = shown;
    test.started = LocalTimeText(m_clock->Wall());
    if (const auto id = m_store.BeginTest(test)) {
        test.id = *id;
        m_test = test;
    }
    Kept(m_test.has_value());
}

void Recorder::ProblemShown(int64_t number, char operation, std::vector<int64_t> operands,
                            int64_t rightAnswer)
{
    m_problem = {number, operation, std::move(operands), rightAnswer, {}, false, 0};
    m_shown = m_clock->Steady();
}

void Recorder::Answered(const std::string& given, bool correct, const Score& shown)
{
    if (!m_test)
        return;
    m_problem.given = given;
    m_problem.correct = correct;
    const std::chrono::duration<double> taken = m_clock->Steady() - m_shown;
    m_problem.seconds = std::round(taken.count() * 10) / 10;
    static_cast<Score&>(*m_test) = shown;
    Kept(m_store.RecordAnswer(*m_test, m_problem));
}

void Recorder::TestEnded(const Score& shown, EndReason reason)
{
    if (!m_test)
        return;
    static_cast<Score&>(*m_test) = shown;
    m_test->ended = LocalTimeText(m_clock->Wall());
    m_test->endReason = reason;
    Kept(m_store.EndTest(*m_test));
    m_test.reset();
}

void Recorder::TestStopped()
{
    if (m_test)
        TestEnded(*m_test, EndReason::Stopped);
}

} // namespace results
