#pragma once

#include "Practice.h"
#include "results/TestRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a child knows of each fact, from its recent answers.
//
// A fact is an operation with its two operands, each 0 to 10, as posed: the top number over the
// bottom one. An addition or a multiplication is one fact whichever number stands on top (7 x 8
// and 8 x 7), named with the smaller first; a subtraction or a division is the fact as posed
// (9 - 4, 9 / 4, whose remainder the drill drops). A problem with an operand above 10, or with
// more than two, is no fact.
namespace learning {

using results::AnsweredProblem;
using results::Operations;

struct Fact
{
    char operation = '+';
    int top = 0, bottom = 0; // for + and x, top is the smaller
    auto operator<=>(const Fact&) const = default;
};

// The fact a problem poses, its operands top to bottom; none where it poses none.
std::optional<Fact> FactOf(char operation, const std::vector<int64_t>& operands);
// "7 x 8", "9 - 4".
std::string FactText(const Fact& fact);
// The fact's operands as a problem poses them, top to bottom.
std::vector<int64_t> OperandsOf(const Fact& fact);

// Where a fact stands, from its last three answers:
enum class FactState
{
    NotAsked, // no answer yet
    Missed,   // a wrong answer among its last three
    Slow,     // right each time, but one of the last three slower than the fluency time
    Learning, // right within the fluency time each time, but fewer than three times yet
    Known     // right within the fluency time three times running
};

// How many of a fact's answers decide its state.
inline constexpr size_t AnswersKept = 3;
// The seconds within which a right answer counts as fluent, unless chosen otherwise.
inline constexpr double FluencySeconds = 3;

struct FactAnswer
{
    bool right = false;
    double seconds = 0;
    uint16_t blamed = 0; // for a wrong one: the numbers 0 to 10 it is held against, one bit each
};

// Every fact's last answers, and what they say.
class FactTable
{
  public:
    explicit FactTable(double fluencySeconds = FluencySeconds);

    // An answer, given after all those added before it.
    void Add(const AnsweredProblem& answer);

    FactState StateOf(const Fact& fact) const;
    // Its last answers, the newest first.
    std::vector<FactAnswer> LastAnswers(const Fact& fact) const;
    // Whether any fact has been asked.
    bool AnyAsked() const;
    // The facts still to learn: the missed, then the slow, each the slowest first.
    std::vector<Fact> ToLearn() const;
    // What Tick These Numbers ticks: the numbers that the most missed facts are held against, at
    // most four (the lower first among those held alike), with the operations of those facts.
    Practice ToTick() const;

  private:
    struct Answers
    {
        std::array<FactAnswer, AnswersKept> last{}; // newest first
        size_t count = 0;
    };
    static size_t IndexOf(const Fact& fact);
    static Fact FactAt(size_t index);
    // The slowest of a fact's last answers.
    double Slowest(const Answers& answers) const;

    double m_fluency;
    std::array<Answers, 4 * 11 * 11> m_facts{};
};

} // namespace learning
