#include "Recorder.h"

#include "LocalTime.h"
#include "toolkit/Say.h"

#include <algorithm>
#include <cmath>

namespace results {

namespace {

using namespace std::chrono_literals;

// Each try waits at most so long for another program that holds the file.
constexpr int TryWaitMs = 250;
// At the program's end, what is left is tried for at most so long.
constexpr auto LastWait = 2s;
constexpr auto FirstPause = 50ms, LongestPause = 1000ms;

} // namespace

Recorder::Recorder(std::string path, std::shared_ptr<const toolkit::Clock> clock,
                   MakeWriter makeWriter)
    : m_path(std::move(path)), m_clock(std::move(clock)), m_makeWriter(std::move(makeWriter))
{
}

Recorder::~Recorder()
{
    std::unique_lock lock(m_mutex);
    m_stopping = true;
    m_giveUp = std::chrono::steady_clock::now() + LastWait;
    m_changed.notify_all();
    lock.unlock();
    if (m_thread.joinable())
        m_thread.join();
    if (m_steps.empty())
        return;
    const int64_t answers = PendingAnswers();
    const std::string why = m_state.waiting.value_or(Reason{}).English();
    const std::string unwritten = UnwrittenPath(m_path);
    std::string unmade;
    const auto writer = m_makeWriter(unwritten, unmade);
    if (writer && writer->Open(TryWaitMs) && writer->KeepUnwritten(Unwritten())) {
        writer->Close();
        toolkit::Say(std::to_string(answers) + " answers, and how their test went, could not be " +
                     "written to " + m_path + " (" + why + "); they are kept in " + unwritten +
                     " and written there at the next recording");
    } else {
        toolkit::Say(std::to_string(answers) + " answers, and how their test went, could not be " +
                     "written to " + m_path + " (" + why + ") and are lost");
    }
}

int64_t Recorder::PendingAnswers() const
{
    return std::ranges::count(m_steps, Step::Answer, &Step::kind);
}

std::vector<WholeTest> Recorder::Unwritten() const
{
    std::vector<WholeTest> tests;
    // The test written in part goes on with what was written of it, under its number.
    if (m_steps.front().kind != Step::Begin && !m_forgotten)
        tests.push_back({m_begun, m_answered}), tests.back().test.id = m_id.value_or(0);
    for (const Step& step : m_steps) {
        if (step.kind == Step::Begin)
            tests.push_back({step.test, {}});
        else if (tests.empty())
            continue; // the rest of a test another copy forgot
        if (step.kind == Step::Answer)
            tests.back().answers.push_back(step.problem);
        const int64_t id = tests.back().test.id;
        tests.back().test = step.test, tests.back().test.id = id;
    }
    return tests;
}

void Recorder::SetWritten(std::function<void()> written)
{
    const std::lock_guard lock(m_mutex);
    m_written = std::move(written);
}

void Recorder::Hand(Step step)
{
    const std::lock_guard lock(m_mutex);
    m_steps.push_back(std::move(step));
    if (!m_thread.joinable())
        m_thread = std::thread([this] { Write(); });
    m_changed.notify_all();
}

void Recorder::TestStarted(const TestSetup& setup, const Score& shown)
{
    TestRow test;
    static_cast<TestSetup&>(test) = setup;
    static_cast<Score&>(test) = shown;
    test.started = LocalTimeText(m_clock->Wall());
    m_test = test;
    Hand({Step::Begin, test, {}});
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
    Shown(shown);
    Hand({Step::Answer, *m_test, m_problem});
}

void Recorder::TestEnded(const Score& shown, EndReason reason)
{
    if (!m_test)
        return;
    Shown(shown);
    m_test->ended = LocalTimeText(m_clock->Wall());
    m_test->endReason = reason;
    Hand({Step::End, *m_test, {}});
    m_test.reset();
}

void Recorder::Shown(const Score& shown)
{
    static_cast<Score&>(*m_test) = shown;
    // A practice grows as a missed problem comes back.
    m_test->problems = shown.correct + shown.incorrect + shown.unanswered;
}

bool Recorder::Flush(std::chrono::milliseconds most)
{
    std::unique_lock lock(m_mutex);
    const unsigned failures = m_failures;
    m_changed.wait_for(lock, most, [&] { return m_steps.empty() || m_failures != failures; });
    return m_steps.empty();
}

Recording Recorder::State() const
{
    const std::lock_guard lock(m_mutex);
    Recording state = m_state;
    state.pendingAnswers = PendingAnswers();
    return state;
}

void Recorder::Said(const std::optional<Reason>& waiting)
{
    if (waiting && waiting != m_state.waiting)
        toolkit::Say("results cannot be written to " + m_path + " for now (" + waiting->English() +
                     "); they are kept until they can be");
    else if (!waiting && m_state.waiting)
        toolkit::Say("results are written to " + m_path + " again");
    m_state.waiting = waiting;
}

void Recorder::Write()
{
    std::unique_lock lock(m_mutex);
    auto pause = FirstPause;
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || !m_steps.empty(); });
        if (m_steps.empty() || (m_stopping && std::chrono::steady_clock::now() >= m_giveUp))
            return;
        const Step step = m_steps.front();
        lock.unlock();
        const TestWriter::Outcome outcome = Apply(step);
        lock.lock();
        if (outcome == TestWriter::Busy || outcome == TestWriter::Failed) {
            Said(m_writer ? m_writer->Why() : Reason{"%1", m_unmade});
            ++m_failures;
            m_changed.notify_all();
            m_changed.wait_for(lock, pause);
            pause = std::min(pause * 2, LongestPause);
            continue;
        }
        pause = FirstPause;
        if (outcome == TestWriter::Gone && step.kind == Step::Answer) {
            ++m_state.lostAnswers;
            m_state.lostWhy = {TRANSLATABLE("results", "another copy of Carrowby forgot the "
                                                       "test's results while it ran")};
        }
        m_steps.pop_front();
        Said(std::nullopt);
        m_changed.notify_all();
        if (step.kind != Step::Answer && m_written) {
            const auto written = m_written;
            lock.unlock();
            written();
            lock.lock();
        }
    }
}

TestWriter::Outcome Recorder::Apply(const Step& step)
{
    if (!m_writer && !(m_writer = m_makeWriter(m_path, m_unmade)))
        return TestWriter::Failed;
    if (m_writer->IsOpen() && m_writer->HasMoved()) {
        toolkit::Say("the results file " + m_path +
                     " was moved or removed; it is begun again there, with the test that runs");
        m_writer->Close();
        if (m_id)
            m_id.reset(), m_begun.id = 0; // to be written whole into the new file
    }
    if (!m_writer->IsOpen() && !m_writer->Open(TryWaitMs))
        return m_writer->Failure();
    if (step.kind == Step::Begin) {
        m_id.reset();
        m_forgotten = false;
        m_answered.clear();
        m_begun = step.test;
    } else if (m_forgotten) {
        return TestWriter::Gone;
    }
    if (!m_id) { // the test's row, with what it has so far where it is written anew
        m_id = m_writer->BeginTest(m_begun, m_answered);
        if (!m_id)
            return m_writer->Failure();
        m_begun.id = *m_id;
    }
    if (step.kind == Step::Begin)
        return TestWriter::Kept;
    TestRow test = step.test;
    test.id = *m_id;
    const auto outcome = step.kind == Step::Answer ? m_writer->RecordAnswer(test, step.problem)
                                                   : m_writer->EndTest(test);
    if (outcome == TestWriter::Gone) {
        m_forgotten = true;
        toolkit::Say("another copy of Carrowby forgot this test's results while it ran here; the "
                     "rest of it is not kept");
    } else if (outcome == TestWriter::Kept) {
        m_begun = test;
        if (step.kind == Step::Answer)
            m_answered.push_back(step.problem);
        else
            m_writer->Checkpoint(), m_writer->Close(), m_id.reset();
    }
    return outcome;
}

} // namespace results
