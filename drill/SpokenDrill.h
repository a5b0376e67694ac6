#pragma once

#include "TestListener.h"

#include <functional>
#include <string>

// The drill in words, to be read aloud to a child who cannot read yet, in the language shown.
namespace drill {

// A text marked for translation in its context, in the language shown, with its %n written as
// count where count is not negative.
using Words = std::function<std::string(const char* context, const char* text, int count)>;

// The problem as a sentence, its numbers as the lines show them top to bottom, each sign in the
// words a screen reader says it in: "7 times 8", "13 minus 6", "5 plus 12 plus 9".
std::string SpokenProblem(const Problem& problem, const Words& words);
// The verdict as the answer window shows it, with the right answer: "Oops!!! 7 times 8 is 56."
std::string SpokenVerdict(const Judgement& judgement, const Problem& problem, int32_t rightAnswer,
                          const Words& words);
// The counts and the grade at the end of a test: "8 right, 2 wrong: B-minus"; the time run out
// says so first, and the problems left count as not answered. Nothing for a test stopped.
std::string SpokenEnd(const results::Score& score, results::EndReason reason, const Words& words);

// Where what is read aloud goes. Each sentence cuts off what is still being said, so that speech
// never holds the drill up; an empty one only cuts it off.
class Voice
{
  public:
    virtual ~Voice() = default;
    virtual void Say(const std::string& sentence) = 0;
};

// Reads each test aloud as it runs, a practice as a test: each problem as it is posed, each
// verdict with its right answer, and the end.
class ReadingAloud : public TestListener
{
  public:
    ReadingAloud(Voice& voice, Words words) : m_voice(voice), m_words(std::move(words)) {}

    void Posed(int16_t number, const Problem& problem, int32_t rightAnswer) override;
    void Judged(const std::string& typed, const Judgement& judgement,
                const results::Score& shown) override;
    void Ended(const results::Score& shown, results::EndReason reason) override;

  private:
    Voice& m_voice;
    Words m_words;
    Problem m_posed;
    int32_t m_rightAnswer = 0;
};

} // namespace drill
