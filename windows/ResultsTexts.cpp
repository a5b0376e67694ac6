#include "ResultsTexts.h"

#include "results/Progress.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace resultstexts {

QString NumbersText(const std::vector<int>& numbers)
{
    QStringList parts;
    for (size_t first = 0; first < numbers.size();) {
        size_t last = first;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1)
            ++last;
        if (last - first >= 2) {
            parts << QStringLiteral("%1–%2").arg(numbers[first]).arg(numbers[last]);
        } else {
            for (size_t at = first; at <= last; ++at)
                parts << QString::number(numbers[at]);
        }
        first = last + 1;
    }
    return parts.join(QStringLiteral(", "));
}

std::vector<int> NumbersOf(const std::string& stored)
{
    std::vector<int> numbers;
    for (const QString& number : QString::fromStdString(stored).split(u',', Qt::SkipEmptyParts))
        numbers.push_back(number.toInt());
    return numbers;
}

QString KindText(const std::string& kind)
{
    return kind == results::PracticeKind
               ? QCoreApplication::translate("TestsModel", results::PracticeKind)
               : QCoreApplication::translate("frmMain", kind.c_str());
}

QString SumsText(const results::TestRow& test)
{
    const QString operations =
        QString::fromStdString(test.operations).split(QString(), Qt::SkipEmptyParts).join(u' ');
    if (test.difficulty != "Easy" || test.practice)
        return operations;
    return operations + u' ' + NumbersText(NumbersOf(test.numbers));
}

QDateTime TimeOf(const std::string& stored)
{
    return QDateTime::fromString(QString::fromStdString(stored), Qt::ISODate).toLocalTime();
}

QString WhenText(const QDateTime& time)
{
    return QLocale().toString(time, QCoreApplication::translate("ProgressChart", "d MMM HH:mm"));
}

QString DayText(const QDate& day)
{
    return QLocale().toString(day, QCoreApplication::translate("ProgressChart", "d MMMM"));
}

QString DurationText(int64_t seconds)
{
    const QString minutesAndSeconds =
        QStringLiteral("%1:%2").arg(seconds % 3600 / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (seconds < 3600)
        return minutesAndSeconds;
    return QStringLiteral("%1:%2")
        .arg(seconds / 3600)
        .arg(minutesAndSeconds.rightJustified(5, u'0'));
}

} // namespace resultstexts
