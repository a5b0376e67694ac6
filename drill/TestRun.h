#pragma once

#include "ProblemSource.h"
#include "Scoring.h"
#include "TestListener.h"
#include "results/TestRecord.h"
#include "toolkit/Clock.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drill {

// The test in progress, free of widgets: where its problems come from, the problem posed, the
// counts, the seconds left and how it ended. The main window shows it and hands it what the
// user does; the rules of a test live here.
//
// A test starts, poses a problem, judges the answer (the status shown changes only once the
// verdict has been read), and either poses the next or ends. The one-second timer's ticks count
// a time limit down by the clock; when it runs out the problems not answered count against the
// percentage. Its listeners are told each of these as it happens.
class TestRun
{
  public:
    explicit TestRun(std::shared_ptr<const toolkit::Clock> clock);

    void SetClock(std::shared_ptr<const toolkit::Clock> clock) { m_clock = std::move(clock); }
    // Tells the listener what happens from now on, after those listening already.
    void Listen(TestListener& listener) { m_listeners.push_back(&listener); }

    // Begins a test of this source's problems with these settings, nothing answered yet, its time
    // limit counted from now; a test that still runs ends first, stopped.
    void Start(std::unique_ptr<ProblemSource> source, const results::TestSetup& setup);
    // Poses the next problem; where the source can pose none, ends the test as stopped and says
    // why, in the words of the "Settings Error" message.
    std::optional<std::string> PoseNext();
    // Whether the typed text is the echo of the Enter that closed the last verdict, not an
    // answer: nothing typed, within EchoSeconds of its problem being posed.
    bool IsEcho(const std::string& typed) const;
    static constexpr double EchoSeconds = 0.5;
    // Judges the typed text against the problem posed and counts it; in a practice, a right
    // answer slower than the fluency time is told it comes back.
    Judgement Answer(const std::string& typed);
    void SetFluency(double seconds) { m_fluency = seconds; }
    // Whether problems are left to pose.
    bool ProblemsRemain() const { return m_problemNumber < NumberOfProblems(); }
    // Ends the test that runs; nothing where none does.
    void End(results::EndReason reason);

    // The time limit chosen, 0 for none: shown as it is while no test runs, counted down from
    // now while one does.
    void SetTimeLimit(int seconds);
    // A tick of the one-second timer: the seconds left counted down by the clock. Ends the test
    // when they run out, the problems not answered then counted as posed; true then.
    bool Tick();

    bool Running() const { return m_source && !m_ended; }
    // The settings of the test begun last.
    const results::TestSetup& Setup() const { return m_setup; }
    // Whether the test that runs is a practice, which takes its time.
    bool Practising() const { return Running() && m_setup.practice != 0; }
    std::optional<results::EndReason> Ended() const { return m_ended; }
    // Changes as each test starts and ends, so that an answer knows its own test.
    unsigned Generation() const { return m_generation; }
    int16_t ProblemNumber() const { return m_problemNumber; }
    int16_t NumberOfProblems() const { return m_source ? m_source->Length() : 0; }
    const Problem& Posed() const { return m_problem; }
    int32_t RightAnswer() const { return m_rightAnswer; }
    // Nothing where there is no limit.
    std::optional<int> SecondsLeft() const { return m_secondsLeft; }
    // The status after the answers so far, as the status panel shows it once refreshed.
    StatusCaptions Status() const;
    // The same, as the results keep it; with nothing answered, there is no percentage or grade
    // to keep.
    results::Score Score() const;
    // For a practice: how many of the problems asked were right when last asked, and of how many.
    std::optional<std::pair<int, int>> RightNow() const;

  private:
    template <typename Event, typename... Arguments>
    void Tell(Event event, const Arguments&... arguments)
    {
        for (TestListener* listener : m_listeners)
            (listener->*event)(arguments...);
    }

    std::shared_ptr<const toolkit::Clock> m_clock;
    std::vector<TestListener*> m_listeners;
    std::unique_ptr<ProblemSource> m_source;
    results::TestSetup m_setup;
    std::optional<results::EndReason> m_ended;
    unsigned m_generation = 0;
    Problem m_problem;
    int32_t m_rightAnswer = 0;
    int16_t m_problemNumber = 0;
    int16_t m_correct = 0;
    int16_t m_incorrect = 0;
    int m_timeLimit = 0;
    double m_fluency = 3;
    std::chrono::steady_clock::time_point m_posedAt;
    std::optional<int> m_secondsLeft;
    std::chrono::steady_clock::time_point m_countedFrom;
};

} // namespace drill
