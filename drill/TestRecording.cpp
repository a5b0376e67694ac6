#include "TestRecording.h"

#include "DrillRecord.h"

namespace drill {

void TestRecording::Begun(const results::TestSetup& setup, const results::Score& shown)
{
    m_recorder.TestStarted(setup, shown);
}

void TestRecording::Posed(int16_t number, const Problem& problem, int32_t rightAnswer)
{
    m_recorder.ProblemShown(number, OperationSign(problem.operation)[0], ShownOperands(problem),
                            rightAnswer);
}

void TestRecording::Judged(const std::string& typed, const Judgement& judgement,
                           const results::Score& shown)
{
    m_recorder.Answered(typed, judgement.right, shown);
}

void TestRecording::Ended(const results::Score& shown, results::EndReason reason)
{
    m_recorder.TestEnded(shown, reason);
}

} // namespace drill
