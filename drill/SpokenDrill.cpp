#include "SpokenDrill.h"

#include "DrillRecord.h"
#include "toolkit/NumberText.h"
#include "toolkit/Translatable.h"

#include <initializer_list>
#include <string_view>

namespace drill {

namespace {

constexpr char Context[] = "speech";

// The pattern with its %1, %2 … replaced by the texts in one pass, so that a text that holds a
// "%2" of its own stays as it is.
std::string Fill(std::string_view pattern, std::initializer_list<std::string> texts)
{
    std::string filled;
    for (size_t at = 0; at < pattern.size(); ++at) {
        const size_t text =
            at + 1 < pattern.size() ? static_cast<size_t>(pattern[at + 1] - '1') : texts.size();
        if (pattern[at] == '%' && text < texts.size())
            filled += texts.begin()[text], ++at;
        else
            filled += pattern[at];
    }
    return filled;
}

// The sign as a screen reader says it.
const char* SignWord(Operation operation)
{
    switch (operation) {
    case Addition:
        return TRANSLATABLE("toolkit", "plus");
    case Subtraction:
        return TRANSLATABLE("toolkit", "minus");
    case Multiplication:
        return TRANSLATABLE("toolkit", "times");
    default:
        return TRANSLATABLE("toolkit", "divided by");
    }
}

// "B-minus" for B-, said so that the letter is heard as a letter.
std::string SpokenGrade(const std::string& grade, const Words& words)
{
    const char* sign = grade.ends_with('+')   ? TRANSLATABLE("speech", "%1-plus")
                       : grade.ends_with('-') ? TRANSLATABLE("speech", "%1-minus")
                                              : nullptr;
    return sign ? Fill(words(Context, sign, -1), {grade.substr(0, 1)}) : grade;
}

} // namespace

std::string SpokenProblem(const Problem& problem, const Words& words)
{
    const std::string sign = ' ' + words("toolkit", SignWord(problem.operation), -1) + ' ';
    std::string spoken;
    for (const int64_t operand : ShownOperands(problem))
        spoken += (spoken.empty() ? "" : sign) + toolkit::PlainText(static_cast<double>(operand));
    return spoken;
}

std::string SpokenVerdict(const Judgement& judgement, const Problem& problem, int32_t rightAnswer,
                          const Words& words)
{
    return words("drill", judgement.message.c_str(), -1) + ' ' +
           Fill(words(Context, TRANSLATABLE("speech", "%1 is %2."), -1),
                {SpokenProblem(problem, words), toolkit::PlainText(rightAnswer)});
}

std::string SpokenEnd(const results::Score& score, results::EndReason reason, const Words& words)
{
    if (reason == results::EndReason::Stopped)
        return {};
    const auto count = [&words](const char* text, int64_t n) {
        return words(Context, text, static_cast<int>(n));
    };
    std::string counts = count(TRANSLATABLE_COUNTED("speech", "%n right"), score.correct) + ", " +
                         count(TRANSLATABLE_COUNTED("speech", "%n wrong"), score.incorrect);
    if (score.unanswered > 0)
        counts += ", " + count(TRANSLATABLE_COUNTED("speech", "%n not answered"), score.unanswered);
    const std::string spoken = score.grade.empty()
                                   ? counts + '.'
                                   : Fill(words(Context, TRANSLATABLE("speech", "%1: %2"), -1),
                                          {counts, SpokenGrade(score.grade, words)});
    return reason == results::EndReason::Time
               ? words(Context, TRANSLATABLE("speech", "The time is up."), -1) + ' ' + spoken
               : spoken;
}

void ReadingAloud::Posed(int16_t /*number*/, const Problem& problem, int32_t rightAnswer)
{
    m_posed = problem;
    m_rightAnswer = rightAnswer;
    m_voice.Say(SpokenProblem(problem, m_words));
}

void ReadingAloud::Judged(const std::string& /*typed*/, const Judgement& judgement,
                          const results::Score& /*shown*/)
{
    m_voice.Say(SpokenVerdict(judgement, m_posed, m_rightAnswer, m_words));
}

void ReadingAloud::Ended(const results::Score& shown, results::EndReason reason)
{
    if (const std::string spoken = SpokenEnd(shown, reason, m_words); !spoken.empty())
        m_voice.Say(spoken);
}

} // namespace drill
