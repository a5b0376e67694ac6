#pragma once

#include "TestListener.h"
#include "results/Recorder.h"

namespace drill {

// Keeps the record of each test as it runs: hands the recorder what the test tells.
class TestRecording : public TestListener
{
  public:
    explicit TestRecording(results::Recorder& recorder) : m_recorder(recorder) {}

    void Begun(const results::TestSetup& setup, const results::Score& shown) override;
    void Posed(int16_t number, const Problem& problem, int32_t rightAnswer) override;
    void Judged(const std::string& typed, const Judgement& judgement,
                const results::Score& shown) override;
    void Ended(const results::Score& shown, results::EndReason reason) override;

  private:
    results::Recorder& m_recorder;
};

} // namespace drill
