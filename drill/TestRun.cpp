#include "TestRun.h"

#include <cmath>

namespace drill {

TestRun::TestRun(std::shared_ptr<const toolkit::Clock> clock) : m_clock(std::move(clock)) {}

void TestRun::Start(std::unique_ptr<ProblemSource> source, const results::TestSetup& setup)
{
    End(results::EndReason::Stopped); // a test is never left without its end
    m_source = std::move(source);
    m_setup = setup;
    m_ended.reset();
    ++m_generation;
    m_problemNumber = 0;
    m_correct = 0;
    m_incorrect = 0;
    SetTimeLimit(static_cast<int>(setup.timeLimit));
    Tell(&TestListener::Begun, m_setup, Score());
}

std::optional<std::string> TestRun::PoseNext()
{
    if (auto why = m_source->WhyNone()) {
        End(results::EndReason::Stopped);
        return why;
    }
    ++m_problemNumber;
    m_problem = m_source->Next();
    m_rightAnswer = ComputeAnswer(m_problem);
    m_posedAt = m_clock->Steady();
    Tell(&TestListener::Posed, m_problemNumber, m_problem, m_rightAnswer);
    return std::nullopt;
}

bool TestRun::IsEcho(const std::string& typed) const
{
    return typed.empty() &&
           m_clock->Steady() - m_posedAt < std::chrono::duration<double>(EchoSeconds);
}

Judgement TestRun::Answer(const std::string& typed)
{
    Judgement judgement = Judge(typed, m_rightAnswer);
    const std::chrono::duration<double> taken = m_clock->Steady() - m_posedAt;
    if (judgement.right && Practising() && std::round(taken.count() * 10) / 10 > m_fluency)
        judgement.note = SlowNote;
    ++(judgement.right ? m_correct : m_incorrect);
    m_source->Judged(judgement.right);
    Tell(&TestListener::Judged, typed, judgement, Score());
    return judgement;
}

void TestRun::End(results::EndReason reason)
{
    if (!Running())
        return;
    m_ended = reason;
    ++m_generation;
    Tell(&TestListener::Ended, Score(), reason);
}

void TestRun::SetTimeLimit(int seconds)
{
    m_timeLimit = seconds;
    m_secondsLeft = seconds > 0 ? std::optional(seconds) : std::nullopt;
    m_countedFrom = m_clock->Steady();
}

bool TestRun::Tick()
{
    if (!Running() || !m_secondsLeft)
        return false;
    // Whole seconds by the clock, so that a tick held up by a busy machine takes no time away
    // from the child, nor gives any.
    const std::chrono::duration<double> passed = m_clock->Steady() - m_countedFrom;
    m_secondsLeft = m_timeLimit - static_cast<int>(std::lround(passed.count()));
    if (*m_secondsLeft > 0)
        return false;
    m_problemNumber = NumberOfProblems();
    End(results::EndReason::Time);
    return true;
}

std::optional<std::pair<int, int>> TestRun::RightNow() const
{
    return m_source ? m_source->RightNow() : std::nullopt;
}

StatusCaptions TestRun::Status() const
{
    return drill::Status(m_correct, m_incorrect, m_problemNumber);
}

results::Score TestRun::Score() const
{
    if (m_correct + m_incorrect == 0) // nothing answered: no percentage, no grade
        return {0, 0, NumberOfProblems(), std::nullopt, ""};
    const int16_t percentage = Percentage(m_correct, m_problemNumber);
    return {m_correct, m_incorrect, NumberOfProblems() - m_correct - m_incorrect, percentage,
            LetterGrade(percentage)};
}

} // namespace drill
