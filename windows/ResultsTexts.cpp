#include "ResultsTexts.h"

#include "learning/Progress.h"
#include "toolkit/QtText.h"

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
    for (const QString& number : toolkit::Text(stored).split(u',', Qt::SkipEmptyParts))
        numbers.push_back(number.toInt());
    return numbers;
}

QString KindText(const std::string& kind)
{
    return kind == learning::PracticeKind
               ? QCoreApplication::translate("TestsModel", learning::PracticeKind)
               : QCoreApplication::translate("frmMain", kind.c_str());
}

QString OperationName(char operation)
{
    switch (operation) {
    case '+':
        return QCoreApplication::translate("frmMain", "Addition");
    case '-':
        return QCoreApplication::translate("frmMain", "Subtraction");
    case 'x':
        return QCoreApplication::translate("frmMain", "Multiplication");
    default:
        return QCoreApplication::translate("frmMain", "Division");
    }
}

QString SumsText(const results::TestRow& test)
{
    const QString operations =
        toolkit::Text(test.operations).split(QString(), Qt::SkipEmptyParts).join(u' ');
    if (test.difficulty != "Easy" || test.practice)
        return operations;
    return operations + u' ' + NumbersText(NumbersOf(test.numbers));
}

QString SetAsideText(const results::CopySetAside& copy)
{
    const QString name = toolkit::Text(copy.path.substr(copy.path.find_last_of('/') + 1));
    QString said = QCoreApplication::translate(
                       "frmResults", "A results file that could not be read whole is kept as %1.")
                       .arg(name);
    if (copy.counted)
        said +=
            u' ' + QCoreApplication::translate("frmResults",
                                               "Tests saved from it: %1. Tests that could not "
                                               "be read: %2. Answers that could not be read: "
                                               "%3.")
                       .arg(QLocale().toString(copy.saved), QLocale().toString(copy.unreadTests),
                            QLocale().toString(copy.unreadAnswers));
    return said;
}

QString ReasonText(const results::Reason& why)
{
    return QCoreApplication::translate("results", why.text).arg(toolkit::Text(why.fill));
}

QDateTime TimeOf(const std::string& stored)
{
    return QDateTime::fromString(toolkit::Text(stored), Qt::ISODate).toLocalTime();
}

// The first of a month has formats of its own, where a language writes it as an ordinal ("1er
// décembre", "1º de dezembro").
QString WhenText(const QDateTime& time)
{
    return QLocale().toString(
        time, time.date().day() == 1
                  ? QCoreApplication::translate("ProgressChart", "d MMM HH:mm", "the first")
                  : QCoreApplication::translate("ProgressChart", "d MMM HH:mm"));
}

QString DayText(const QDate& day)
{
    return QLocale().toString(
        day, day.day() == 1 ? QCoreApplication::translate("ProgressChart", "d MMMM", "the first")
                            : QCoreApplication::translate("ProgressChart", "d MMMM"));
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

QString SpreadsheetTime(const std::string& kept)
{
    const QDateTime time = TimeOf(kept);
    if (!time.isValid())
        return toolkit::Text(kept);
    // The language's own short date, its year whole; where it names the month, the ISO 8601 date
    // that every spreadsheet reads.
    QString date = QLocale().dateFormat(QLocale::ShortFormat);
    if (date.contains(QStringLiteral("MMM")))
        date = QStringLiteral("yyyy-MM-dd");
    else if (!date.contains(QStringLiteral("yyyy")))
        date.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return QLocale().toString(time, date + QStringLiteral(" HH:mm:ss"));
}

results::CsvStyle SpreadsheetStyle()
{
    results::CsvStyle style;
    style.spreadsheet = true;
    if (QLocale().decimalPoint() == QStringLiteral(","))
        style.separator = ';', style.decimal = ',';
    style.translated = [](const char* context, const char* english) {
        return QCoreApplication::translate(context, english).toStdString();
    };
    style.time = [](const std::string& kept) { return SpreadsheetTime(kept).toStdString(); };
    return style;
}

QString FileNameFor(const std::optional<QString>& whose, const QString& what, const QDate& day,
                    const QString& extension)
{
    // A title of the longest kind still leaves room in a file name's 255 bytes.
    QString who = whose.value_or(QCoreApplication::translate("frmResults", "Everyone"));
    while (who.toUtf8().size() > 160)
        who.chop(who.back().isLowSurrogate() ? 2 : 1);
    // Every title's apart, where a language writes a title with an article ("do Carrowby").
    const QString named =
        whose ? QCoreApplication::translate("frmResults", "%1 %2 %3",
                                            "a file's name: whose, what it holds, the day")
              : QCoreApplication::translate("frmResults", "%1 %2 %3",
                                            "a file's name: everyone's, what it holds, the day");
    QString name = named.arg(who, what, day.toString(Qt::ISODate)) + u'.' + extension;
    // No sign that a file system or a file dialog takes for something else.
    for (QChar& c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.category() == QChar::Other_Control)
            c = u'_';
    if (name.startsWith(u'.'))
        name[0] = u'_';
    return name;
}

} // namespace resultstexts
