#include "Facts.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace learning {

namespace {

bool Commutes(char operation)
{
    return operation == '+' || operation == 'x';
}

size_t OperationIndex(char operation)
{
    const char* found = std::strchr(Operations, operation);
    return found && operation != '\0' ? static_cast<size_t>(found - Operations) : 4;
}

bool IsPart(int64_t number)
{
    return number >= 0 && number <= 10;
}

// A number's place in the teaching order.
int Rank(int number)
{
    return static_cast<int>(std::ranges::find(TeachingOrder, number) - std::begin(TeachingOrder));
}

// Where a fact comes in the teaching order: by the earliest of its numbers, then the other.
std::pair<int, int> TeachingPlace(const Fact& fact)
{
    if (!Commutes(fact.operation)) // by the number taken away, or the divisor
        return {Rank(fact.first), Rank(fact.second)};
    return std::minmax(Rank(fact.first), Rank(fact.second));
}

} // namespace

std::optional<Fact> FactOf(char operation, const std::vector<int64_t>& operands)
{
    if (OperationIndex(operation) > 3 || operands.size() != 2)
        return std::nullopt;
    const int64_t top = operands[0], bottom = operands[1];
    switch (operation) {
    case '-': // the number taken away, and the difference
        return IsPart(bottom) && IsPart(top - bottom)
                   ? std::optional(Fact{operation, int(bottom), int(top - bottom)})
                   : std::nullopt;
    case '/': // the divisor, and a quotient with no remainder
        return bottom > 0 && IsPart(bottom) && top >= 0 && top % bottom == 0 && IsPart(top / bottom)
                   ? std::optional(Fact{operation, int(bottom), int(top / bottom)})
                   : std::nullopt;
    default:
        return IsPart(top) && IsPart(bottom)
                   ? std::optional(
                         Fact{operation, int(std::min(top, bottom)), int(std::max(top, bottom))})
                   : std::nullopt;
    }
}

std::optional<Fact> FactAt(char operation, int row, int column)
{
    if (OperationIndex(operation) > 3 || !IsPart(row) || !IsPart(column) ||
        (operation == '/' && row == 0))
        return std::nullopt;
    return Commutes(operation) ? Fact{operation, std::min(row, column), std::max(row, column)}
                               : Fact{operation, row, column};
}

std::vector<int64_t> OperandsOf(const Fact& fact)
{
    switch (fact.operation) {
    case '-':
        return {fact.first + fact.second, fact.first};
    case '/':
        return {fact.first * fact.second, fact.first};
    default: // posed as the exercise book writes it, the larger on top
        return {fact.second, fact.first};
    }
}

std::string FactText(const Fact& fact)
{
    const std::vector<int64_t> operands = OperandsOf(fact);
    if (Commutes(fact.operation)) // named with the smaller first
        return std::to_string(fact.first) + " " + fact.operation + " " +
               std::to_string(fact.second);
    return std::to_string(operands[0]) + " " + fact.operation + " " + std::to_string(operands[1]);
}

int FactsIn(char operation)
{
    return Commutes(operation) ? 11 * 12 / 2 : operation == '/' ? 10 * 11 : 11 * 11;
}

void FactTable::Track::Add(const FactAnswer& answer, double fluency)
{
    std::shift_right(last.begin(), last.end(), 1);
    last[0] = answer;
    count = std::min(count + 1, AnswersKept);
    if (!answer.right || answer.seconds > fluency) {
        known = false; // and the ladder begins again once it is
        return;
    }
    if (known) {
        if (answer.day >= due) // asked when due, and known still: the next step
            step = std::min(step + 1, std::size(Ladder) - 1), due = answer.day + Ladder[step];
        return;
    }
    const auto kept = std::span(last).first(count);
    const bool fluent = std::ranges::all_of(
        kept, [&](const FactAnswer& one) { return one.right && one.seconds <= fluency; });
    const bool days =
        std::ranges::any_of(kept, [&](const FactAnswer& one) { return one.day != answer.day; });
    if (count == AnswersKept && fluent && days)
        known = true, knownSince = answer.day, step = 0, due = answer.day + Ladder[0];
}

FactState FactTable::Track::State(Day today, double fluency) const
{
    const auto kept = std::span(last).first(count);
    if (kept.empty())
        return FactState::NotAsked;
    if (std::ranges::any_of(kept, [](const FactAnswer& answer) { return !answer.right; }))
        return FactState::Missed;
    if (Slowest() > fluency)
        return FactState::Slow;
    if (known)
        return today >= due ? FactState::DueAgain : FactState::Known;
    return FactState::Learning;
}

double FactTable::Track::Slowest() const
{
    double slowest = 0;
    for (size_t at = 0; at < count; ++at)
        slowest = std::max(slowest, last[at].seconds);
    return slowest;
}

// Whether an index of the table stands for a fact: one of its operation's cells, and for + and x
// the one with the smaller part first.
static bool Canonical(size_t index)
{
    const int first = int(index / 11 % 11), second = int(index % 11);
    const auto fact = FactAt(Operations[index / 121], first, second);
    return fact && fact->first == first && fact->second == second;
}

FactTable::FactTable(double fluencySeconds, Day today)
    : m_fluency(fluencySeconds), m_today(today), m_weekAgo(today - 7)
{
}

size_t FactTable::IndexOf(const Fact& fact)
{
    return (OperationIndex(fact.operation) * 11 + static_cast<size_t>(fact.first)) * 11 +
           static_cast<size_t>(fact.second);
}

Fact FactTable::FactAtIndex(size_t index)
{
    return {Operations[index / 121], static_cast<int>(index / 11 % 11),
            static_cast<int>(index % 11)};
}

void FactTable::Add(const AnsweredProblem& answer)
{
    const auto fact = FactOf(answer.operation, answer.operands);
    if (!fact)
        return;
    // A day after today is a clock that was put back: today it is.
    FactAnswer given{answer.correct, answer.seconds,
                     std::min(DayOf(answer.started).value_or(m_today), m_today), 0};
    // Held against the numbers ticked in its test, or where none chose it, both of its own.
    for (const int64_t operand : answer.operands)
        if (IsPart(operand) &&
            (answer.ticked.empty() || std::ranges::count(answer.ticked, operand)))
            given.held |= static_cast<uint16_t>(1u << operand);
    const size_t index = IndexOf(*fact);
    m_facts[index].Add(given, m_fluency);
    if (given.day <= m_weekAgo)
        m_factsWeekAgo[index].Add(given, m_fluency);
}

FactState FactTable::StateOf(const Fact& fact) const
{
    return m_facts[IndexOf(fact)].State(m_today, m_fluency);
}

Standing FactTable::StandingOf(const Fact& fact) const
{
    const Track& track = m_facts[IndexOf(fact)];
    Standing standing{
        track.State(m_today, m_fluency),
        {track.last.begin(), track.last.begin() + static_cast<ptrdiff_t>(track.count)},
        {},
        {}};
    if (standing.state == FactState::Known || standing.state == FactState::DueAgain)
        standing.knownSince = track.knownSince, standing.due = track.due;
    return standing;
}

bool FactTable::AnyAsked(char operation) const
{
    for (size_t index = 0; index < m_facts.size(); ++index)
        if ((!operation || Operations[index / 121] == operation) && m_facts[index].count > 0)
            return true;
    return false;
}

std::vector<size_t> FactTable::InState(char operation, FactState state) const
{
    std::vector<size_t> found;
    for (size_t index = 0; index < m_facts.size(); ++index)
        if ((!operation || Operations[index / 121] == operation) && Canonical(index) &&
            m_facts[index].State(m_today, m_fluency) == state)
            found.push_back(index);
    return found;
}

std::vector<Fact> FactTable::ToLearn(char operation) const
{
    std::vector<Fact> facts;
    for (const FactState state : {FactState::Missed, FactState::Slow}) {
        std::vector<size_t> some = InState(operation, state);
        std::ranges::stable_sort(some, std::greater<>(),
                                 [&](size_t index) { return m_facts[index].Slowest(); });
        for (const size_t index : some)
            facts.push_back(FactAtIndex(index));
    }
    return facts;
}

Practice FactTable::ToTick() const
{
    std::vector<size_t> toCover = InState(0, FactState::Missed);
    if (toCover.empty())
        toCover = InState(0, FactState::Slow);
    // The numbers each fact is held against, by its answers that were not fluent.
    std::vector<uint16_t> held;
    for (const size_t index : toCover) {
        uint16_t numbers = 0;
        const Track& track = m_facts[index];
        for (size_t at = 0; at < track.count; ++at)
            if (!track.last[at].right || track.last[at].seconds > m_fluency)
                numbers |= track.last[at].held;
        held.push_back(numbers);
    }
    const auto heldBy = [&](int number, const std::vector<bool>& among) {
        int facts = 0;
        for (size_t at = 0; at < held.size(); ++at)
            facts += among[at] && (held[at] & (1u << number)) ? 1 : 0;
        return facts;
    };
    std::vector<bool> uncovered(held.size(), true);
    const std::vector<bool> all(held.size(), true);
    Practice practice;
    while (practice.numbers.size() < 4) {
        int best = -1;
        for (int number = 0; number <= 10; ++number)
            if (heldBy(number, uncovered) > 0 &&
                (best < 0 || std::pair(heldBy(number, uncovered), heldBy(number, all)) >
                                 std::pair(heldBy(best, uncovered), heldBy(best, all))))
                best = number;
        if (best < 0)
            break;
        practice.numbers.push_back(best);
        for (size_t at = 0; at < held.size(); ++at)
            uncovered[at] = uncovered[at] && !(held[at] & (1u << best));
    }
    std::ranges::sort(practice.numbers);
    for (const char operation : std::string_view(Operations))
        for (size_t at = 0; at < held.size(); ++at)
            if (!uncovered[at] && Operations[toCover[at] / 121] == operation) {
                practice.operations += operation;
                break;
            }
    return practice;
}

std::vector<Fact> FactTable::ToPractise(char operation, size_t most) const
{
    std::vector<Fact> facts = ToLearn(operation);
    std::vector<size_t> due = InState(operation, FactState::DueAgain);
    std::ranges::stable_sort(due, {}, [&](size_t index) { return m_facts[index].due; });
    std::vector<size_t> learning;
    for (const size_t index : InState(operation, FactState::Learning))
        if (m_facts[index].last[0].day < m_today) // not asked again on the day it was right
            learning.push_back(index);
    std::ranges::stable_sort(learning, {},
                             [&](size_t index) { return m_facts[index].last[0].day; });
    std::vector<size_t> fresh = InState(operation, FactState::NotAsked);
    std::ranges::stable_sort(fresh, {},
                             [](size_t index) { return TeachingPlace(FactAtIndex(index)); });
    fresh.resize(std::min(fresh.size(), NewFactsAtOnce));
    for (const auto* some : {&due, &learning, &fresh})
        for (const size_t index : *some)
            facts.push_back(FactAtIndex(index));
    facts.resize(std::min(facts.size(), most));
    return facts;
}

FactTable::Counts FactTable::CountsOf(char operation) const
{
    Counts counts;
    counts.facts = FactsIn(operation);
    for (size_t index = 0; index < m_facts.size(); ++index) {
        if (Operations[index / 121] != operation || !Canonical(index))
            continue;
        const FactState now = m_facts[index].State(m_today, m_fluency);
        const FactState then = m_factsWeekAgo[index].State(m_weekAgo, m_fluency);
        counts.known += now == FactState::Known || now == FactState::DueAgain;
        counts.due += now == FactState::DueAgain;
        counts.knownWeekAgo += then == FactState::Known || then == FactState::DueAgain;
    }
    return counts;
}

std::vector<Fact> FactTable::DueBy(char operation, Day day) const
{
    std::vector<size_t> due;
    for (const FactState state : {FactState::Known, FactState::DueAgain})
        for (const size_t index : InState(operation, state))
            if (m_facts[index].due <= day)
                due.push_back(index);
    std::ranges::stable_sort(due, {}, [&](size_t index) { return m_facts[index].due; });
    std::vector<Fact> facts;
    for (const size_t index : due)
        facts.push_back(FactAtIndex(index));
    return facts;
}

std::vector<Fact> FactTable::Known(char operation) const
{
    std::vector<Fact> facts;
    for (const size_t index : InState(operation, FactState::Known))
        facts.push_back(FactAtIndex(index));
    return facts;
}

} // namespace learning
