#include "PracticeSource.h"

#include "DrillRecord.h"

#include <algorithm>

namespace drill {

Problem ProblemOf(const learning::Asked& asked)
{
    Problem problem;
    for (const Operation operation : {Addition, Subtraction, Multiplication, Division})
        if (OperationSign(operation)[0] == asked.operation)
            problem.operation = operation;
    int32_t* lines[] = {&problem.FirstOperand, &problem.SecondOperand, &problem.ThirdOperand,
                        &problem.FourthOperand};
    const size_t count = std::min(asked.operands.size(), std::size(lines));
    for (size_t line = 0; line < count; ++line) // the bottom line is the last operand
        *lines[line] = static_cast<int32_t>(asked.operands[count - 1 - line]);
    problem.difficulty = count > 3 ? Diabloish : count > 2 ? Hard : Easy;
    return problem;
}

PracticeSource::PracticeSource(const std::vector<learning::Asked>& asked,
                               const std::vector<learning::Asked>& between)
    : m_length(static_cast<int16_t>(asked.size()))
{
    for (const learning::Asked& problem : asked)
        m_waiting.push_back({ProblemOf(problem)});
    for (const learning::Asked& problem : between)
        m_between.push_back(ProblemOf(problem));
}

Problem PracticeSource::Next()
{
    m_posed = m_waiting.front();
    m_waiting.pop_front();
    return m_posed.problem;
}

void PracticeSource::Judged(bool right)
{
    const auto asked =
        std::ranges::find(m_lastVerdicts, m_posed.problem, &std::pair<Problem, bool>::first);
    if (asked == m_lastVerdicts.end())
        m_lastVerdicts.emplace_back(m_posed.problem, right);
    else
        asked->second = right;
    if (right || m_posed.returns == ReturnsEach)
        return;
    ++m_posed.returns;
    // Others between, known ones where nothing else is left, each as a problem more.
    for (size_t known = 0; m_waiting.size() < ComesBackAfter && known < m_between.size(); ++known)
        m_waiting.push_back({m_between[m_nextBetween++ % m_between.size()]}), ++m_length;
    m_waiting.insert(m_waiting.begin() +
                         static_cast<ptrdiff_t>(std::min(ComesBackAfter, m_waiting.size())),
                     m_posed);
    ++m_length;
}

std::optional<std::pair<int, int>> PracticeSource::RightNow() const
{
    const auto right = std::ranges::count(m_lastVerdicts, true, &std::pair<Problem, bool>::second);
    return std::pair(static_cast<int>(right), static_cast<int>(m_lastVerdicts.size()));
}

PracticeStart Practise(const std::vector<learning::Asked>& asked,
                       const std::vector<learning::Asked>& between, int16_t length,
                       const std::string& title)
{
    const std::vector<learning::Asked> practised(
        asked.begin(), asked.begin() + std::min<ptrdiff_t>(std::max<int16_t>(length, 0),
                                                           static_cast<ptrdiff_t>(asked.size())));
    std::string operations;
    for (const char operation : std::string_view(results::Operations))
        if (std::ranges::any_of(practised,
                                [&](const auto& one) { return one.operation == operation; }))
            operations += operation;
    return {std::make_unique<PracticeSource>(practised, between),
            {title, operations, "", DifficultyName(Easy), static_cast<int64_t>(practised.size()), 0,
             1}};
}

} // namespace drill
