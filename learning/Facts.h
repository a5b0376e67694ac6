#pragma once

#include "Days.h"
#include "Practice.h"
#include "results/TestRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a child knows of each fact, from its answers and the days they were given on.
//
// A fact is an operation with its two parts, each 0 to 10. An addition or a multiplication is one
// fact whichever number stands on top (7 x 8 and 8 x 7), its parts the two numbers, the smaller
// first. A subtraction or a division is the inverse of one: its parts are the number taken away
// and the difference (13 - 6, the inverse of 6 + 7), or the divisor and the quotient (56 / 7, the
// inverse of 7 x 8). A problem with more than two numbers, a part above 10, or a division with a
// remainder or by 0 (9 / 4, which the drill poses and whose remainder it drops) is no fact.
namespace learning {

using results::AnsweredProblem;
using results::Operations;

struct Fact
{
    char operation = '+';
    int first = 0, second = 0; // its parts: for + and x the smaller first
    auto operator<=>(const Fact&) const = default;
};

// The fact a problem poses, its operands top to bottom; none where it poses none.
std::optional<Fact> FactOf(char operation, const std::vector<int64_t>& operands);
// The fact of a cell of the operation's table, whose rows are the first part and columns the
// second; none where the drill asks nothing there (a division by 0).
std::optional<Fact> FactAt(char operation, int row, int column);
// "7 x 8", "13 - 6", "56 / 7": as a problem poses it.
std::string FactText(const Fact& fact);
// The fact's operands as a problem poses them, top to bottom.
std::vector<int64_t> OperandsOf(const Fact& fact);
// How many facts an operation's table holds.
int FactsIn(char operation);

// Where a fact stands:
enum class FactState
{
    NotAsked, // no answer yet
    Missed,   // a wrong answer among its last three
    Slow,     // right each time, but one of the last three slower than the fluency time
    Learning, // right within the fluency time each time, but fewer than three times yet, or
              // the last three all on one day
    Known,    // the last three right within the fluency time, on at least two days
    DueAgain  // known, and the day it was to be asked again has come
};

// How many of a fact's answers decide its state.
inline constexpr size_t AnswersKept = 3;
// The seconds within which a right answer counts as fluent, unless chosen otherwise.
inline constexpr double FluencySeconds = 3;
// The days after which a known fact is asked again: the first once it is known, each next one
// after it has been answered right within the time when due, the last from then on. A wrong or
// slow answer takes it back to the start, once it is known again.
inline constexpr int Ladder[] = {3, 7, 14, 30, 60};
// The order in which a practice brings facts never asked: a fact comes with the earliest of its
// numbers here (for - the number taken away, for / the divisor), then by its other number.
inline constexpr int TeachingOrder[] = {0, 1, 2, 10, 5, 9, 3, 4, 6, 7, 8};
// Facts never asked that one practice brings at most.
inline constexpr size_t NewFactsAtOnce = 4;

struct FactAnswer
{
    bool right = false;
    double seconds = 0;
    Day day = 0;       // the day it was given on, no later than today
    uint16_t held = 0; // the numbers 0 to 10 it is held against, one bit each
};

// What is known of a fact.
struct Standing
{
    FactState state = FactState::NotAsked;
    std::vector<FactAnswer> last;       // its last answers, the newest first
    std::optional<Day> knownSince, due; // while it is known: since when, and when it is due
};

// Every fact's answers, and what they say on the day it is.
class FactTable
{
  public:
    explicit FactTable(double fluencySeconds = FluencySeconds, Day today = 0);

    // An answer, given after all those added before it.
    void Add(const AnsweredProblem& answer);

    FactState StateOf(const Fact& fact) const;
    Standing StandingOf(const Fact& fact) const;
    // Whether any fact, of one operation or (none) of every one, has been asked.
    bool AnyAsked(char operation = 0) const;
    // The facts still to learn, of one operation or (none) of every one: the missed, then the
    // slow, each the slowest first.
    std::vector<Fact> ToLearn(char operation = 0) const;
    // What Tick These Numbers ticks: the fewest numbers, at most four, that cover the missed facts
    // (where none is missed, the slow ones), each time the number that covers most of those not
    // yet covered, between equals the one held against the most of them, then the lower; with
    // the operations of the facts they cover.
    Practice ToTick() const;
    // What a practice of the operation asks, at most so many: the missed, then the slow; the
    // facts due again, the longest overdue first; the facts still learning last answered before
    // today, the longest ago first; then at most NewFactsAtOnce never asked, in teaching order.
    std::vector<Fact> ToPractise(char operation, size_t most) const;
    // The facts of the operation known now and a week ago, those due again, and all it has.
    struct Counts
    {
        int known = 0, knownWeekAgo = 0, due = 0, facts = 0;
    };
    Counts CountsOf(char operation) const;
    // The facts of the operation due again by the day (those due already first), soonest first.
    std::vector<Fact> DueBy(char operation, Day day) const;
    // The facts known of the operation, to ask between others when nothing else is left.
    std::vector<Fact> Known(char operation) const;
    Day Today() const { return m_today; }

  private:
    // A fact's answers as they come, and its place on the ladder.
    struct Track
    {
        std::array<FactAnswer, AnswersKept> last{}; // newest first
        size_t count = 0;
        bool known = false;
        Day knownSince = 0, due = 0;
        size_t step = 0; // of the Ladder

        void Add(const FactAnswer& answer, double fluency);
        FactState State(Day today, double fluency) const;
        double Slowest() const;
    };
    static size_t IndexOf(const Fact& fact);
    static Fact FactAtIndex(size_t index);
    // The facts of one operation, or of all, in the given state.
    std::vector<size_t> InState(char operation, FactState state) const;

    double m_fluency;
    Day m_today, m_weekAgo;
    std::array<Track, 4 * 11 * 11> m_facts{};
    std::array<Track, 4 * 11 * 11> m_factsWeekAgo{}; // as they stood at the end of a week ago
};

} // namespace learning
