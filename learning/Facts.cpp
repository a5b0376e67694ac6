#include "Facts.h"

#include <algorithm>
#include <cstring>
#include <set>
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

} // namespace

std::optional<Fact> FactOf(char operation, const std::vector<int64_t>& operands)
{
    if (OperationIndex(operation) > 3 || operands.size() != 2)
        return std::nullopt;
    for (const int64_t operand : operands)
        if (operand < 0 || operand > 10)
            return std::nullopt;
    Fact fact{operation, static_cast<int>(operands[0]), static_cast<int>(operands[1])};
    if (Commutes(operation) && fact.top > fact.bottom)
        std::swap(fact.top, fact.bottom);
    return fact;
}

std::string FactText(const Fact& fact)
{
    return std::to_string(fact.top) + " " + fact.operation + " " + std::to_string(fact.bottom);
}

std::vector<int64_t> OperandsOf(const Fact& fact)
{
    // An addition or a multiplication posed as the exercise book writes it, the larger on top.
    if (Commutes(fact.operation))
        return {std::max(fact.top, fact.bottom), std::min(fact.top, fact.bottom)};
    return {fact.top, fact.bottom};
}

FactTable::FactTable(double fluencySeconds) : m_fluency(fluencySeconds) {}

size_t FactTable::IndexOf(const Fact& fact)
{
    return (OperationIndex(fact.operation) * 11 + static_cast<size_t>(fact.top)) * 11 +
           static_cast<size_t>(fact.bottom);
}

Fact FactTable::FactAt(size_t index)
{
    return {Operations[index / 121], static_cast<int>(index / 11 % 11),
            static_cast<int>(index % 11)};
}

void FactTable::Add(const AnsweredProblem& answer)
{
    const auto fact = FactOf(answer.operation, answer.operands);
    if (!fact)
        return;
    FactAnswer given{answer.correct, answer.seconds, 0};
    for (const int64_t operand : answer.operands)
        if (!answer.correct &&
            (answer.ticked.empty() || std::ranges::count(answer.ticked, operand)))
            given.blamed |= static_cast<uint16_t>(1u << operand);
    Answers& answers = m_facts[IndexOf(*fact)];
    std::shift_right(answers.last.begin(), answers.last.end(), 1);
    answers.last[0] = given;
    answers.count = std::min(answers.count + 1, AnswersKept);
}

FactState FactTable::StateOf(const Fact& fact) const
{
    const Answers& answers = m_facts[IndexOf(fact)];
    const auto kept = std::span(answers.last).first(answers.count);
    if (kept.empty())
        return FactState::NotAsked;
    if (std::ranges::any_of(kept, [](const FactAnswer& answer) { return !answer.right; }))
        return FactState::Missed;
    if (Slowest(answers) > m_fluency)
        return FactState::Slow;
    return kept.size() < AnswersKept ? FactState::Learning : FactState::Known;
}

std::vector<FactAnswer> FactTable::LastAnswers(const Fact& fact) const
{
    const Answers& answers = m_facts[IndexOf(fact)];
    return {answers.last.begin(), answers.last.begin() + static_cast<ptrdiff_t>(answers.count)};
}

double FactTable::Slowest(const Answers& answers) const
{
    double slowest = 0;
    for (size_t at = 0; at < answers.count; ++at)
        slowest = std::max(slowest, answers.last[at].seconds);
    return slowest;
}

bool FactTable::AnyAsked() const
{
    return std::ranges::any_of(m_facts, [](const Answers& answers) { return answers.count > 0; });
}

std::vector<Fact> FactTable::ToLearn() const
{
    std::vector<std::pair<size_t, double>> missed, slow; // each fact's index and slowest answer
    for (size_t index = 0; index < m_facts.size(); ++index) {
        const FactState state = StateOf(FactAt(index));
        if (state == FactState::Missed || state == FactState::Slow)
            (state == FactState::Missed ? missed : slow)
                .emplace_back(index, Slowest(m_facts[index]));
    }
    std::vector<Fact> facts;
    for (auto* some : {&missed, &slow}) {
        std::ranges::stable_sort(*some, std::greater<>(), &std::pair<size_t, double>::second);
        for (const auto& [index, slowest] : *some)
            facts.push_back(FactAt(index));
    }
    return facts;
}

Practice FactTable::ToTick() const
{
    // How many missed facts each number is held against, and in which operations.
    std::array<int, 11> held{};
    std::array<std::set<char>, 11> operations;
    for (size_t index = 0; index < m_facts.size(); ++index) {
        const Fact fact = FactAt(index);
        if (StateOf(fact) != FactState::Missed)
            continue;
        uint16_t blamed = 0;
        for (const FactAnswer& answer : LastAnswers(fact))
            blamed |= answer.right ? 0 : answer.blamed;
        for (int number = 0; number <= 10; ++number)
            if (blamed & (1u << number))
                ++held[static_cast<size_t>(number)], operations[number].insert(fact.operation);
    }
    std::vector<int> numbers;
    for (int number = 0; number <= 10; ++number)
        if (held[static_cast<size_t>(number)] > 0)
            numbers.push_back(number);
    std::ranges::stable_sort(numbers, std::greater<>(),
                             [&](int number) { return held[static_cast<size_t>(number)]; });
    numbers.resize(std::min<size_t>(numbers.size(), 4));
    std::ranges::sort(numbers);
    Practice practice;
    for (const char operation : std::string_view(Operations))
        if (std::ranges::any_of(numbers, [&](int n) { return operations[n].contains(operation); }))
            practice.operations += operation;
    practice.numbers = numbers;
    return practice;
}

} // namespace learning
