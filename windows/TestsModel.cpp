#include "TestsModel.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

namespace {

enum Column
{
    Started,
    Operations,
    Numbers,
    Difficulty,
    Problems,
    TimeLimit,
    Correct,
    Incorrect,
    Unanswered,
    Percentage,
    Grade,
    Ended,
    Columns
};

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QString TimeLimitText(int64_t seconds)
{
    if (seconds <= 0)
        return QCoreApplication::translate("drill", "Unlimited");
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString EndText(const std::string& reason)
{
    if (reason == "finished")
        return TestsModel::tr("Finished");
    if (reason == "time")
        return TestsModel::tr("Time ran out");
    if (reason == "stopped")
        return TestsModel::tr("Stopped");
    return TestsModel::tr("Not ended");
}

} // namespace

TestsModel::TestsModel(QObject* parent) : QAbstractTableModel(parent) {}

void TestsModel::SetTests(std::vector<results::TestRow> tests)
{
    beginResetModel();
    m_tests = std::move(tests);
    endResetModel();
}

int TestsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_tests.size());
}

int TestsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QString TestsModel::StartedText(const std::string& started)
{
    const QDateTime time = QDateTime::fromString(Text(started), Qt::ISODate);
    return time.isValid() ? QLocale().toString(time.toLocalTime(), QLocale::ShortFormat)
                          : Text(started);
}

QString TestsModel::Cell(const results::TestRow& test, int column) const
{
    switch (column) {
    case Started:
        return StartedText(test.started);
    case Operations:
        return Text(test.setup.operations);
    case Numbers:
        return Text(test.setup.numbers);
    case Difficulty: // the main window's own word for it
        return QCoreApplication::translate("frmMain", test.setup.difficulty.c_str());
    case Problems:
        return QString::number(test.setup.problems);
    case TimeLimit:
        return TimeLimitText(test.setup.timeLimit);
    case Correct:
        return QString::number(test.score.correct);
    case Incorrect:
        return QString::number(test.score.incorrect);
    case Unanswered:
        return QString::number(test.score.unanswered);
    case Percentage:
        return QString::number(test.score.percentage);
    case Grade:
        return Text(test.score.grade);
    default:
        return EndText(test.endReason);
    }
}

QVariant TestsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<size_t>(index.row()) >= m_tests.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return Cell(m_tests[static_cast<size_t>(index.row())], index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= Problems && index.column() != Ended)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TestsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const headers[Columns] = {
        QT_TR_NOOP("Date"),       QT_TR_NOOP("Operations"), QT_TR_NOOP("Numbers"),
        QT_TR_NOOP("Difficulty"), QT_TR_NOOP("Problems"),   QT_TR_NOOP("Time Limit"),
        QT_TR_NOOP("Correct"),    QT_TR_NOOP("Incorrect"),  QT_TR_NOOP("Unanswered"),
        QT_TR_NOOP("%"),          QT_TR_NOOP("Grade"),      QT_TR_NOOP("How It Ended")};
    return tr(headers[section]);
}
