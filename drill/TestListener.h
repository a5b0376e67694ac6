#pragma once

#include "ProblemDraw.h"
#include "Scoring.h"
#include "results/TestRecord.h"

#include <string>

namespace drill {

// What follows a test as it runs: the recorder, say. The test tells each listener what happens,
// in order, as it happens.
class TestListener
{
  public:
    virtual ~TestListener() = default;

    // A test begun with these settings, the status as it starts.
    virtual void Begun(const results::TestSetup& /*setup*/, const results::Score& /*shown*/) {}
    // A problem posed: its number in the test, the problem and its right answer.
    virtual void Posed(int16_t /*number*/, const Problem& /*problem*/, int32_t /*rightAnswer*/) {}
    // The typed text judged, and the status after it.
    virtual void Judged(const std::string& /*typed*/, const Judgement& /*judgement*/,
                        const results::Score& /*shown*/)
    {
    }
    // The test ended, with its status then.
    virtual void Ended(const results::Score& /*shown*/, results::EndReason /*reason*/) {}
};

} // namespace drill
