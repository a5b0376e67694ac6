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

PracticeSource::PracticeSource(const std::vector<learning::Asked>& asked)
    : m_length(static_cast<int16_t>(asked.size()))
{
    for (const learning::Asked& problem : asked)
        m_waiting.push_back({ProblemOf(problem)});
}

Problem PracticeSource::Next()
{
    m_posed = m_waiting.front();
    m_waiting.pop_front();
    return m_posed.problem;
}

void PracticeSource::Judged(bool right)
{
    if (right || m_posed.returns == ReturnsEach)
        return;
    ++m_posed.returns;
    m_waiting.insert(m_waiting.begin() +
                         static_cast<ptrdiff_t>(std::min(ComesBackAfter, m_waiting.size())),
                     m_posed);
    ++m_length;
}

PracticeStart Practise(const std::vector<learning::Asked>& asked, int16_t length,
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
    return {std::make_unique<PracticeSource>(practised),
            {title, operations, "", DifficultyName(Easy), static_cast<int64_t>(practised.size()), 0,
             1}};
}

} // namespace drill
