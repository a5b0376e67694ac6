#include "TestsModel.h"

#include "toolkit/QtText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

using results::Shown;
using toolkit::Text;

namespace {

QString TimeLimitText(int64_t seconds)
{
    if (seconds <= 0)
        return QCoreApplication::translate("drill", "Unlimited");
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString EndText(const std::optional<results::EndReason>& reason)
{
    return QCoreApplication::translate("TestsModel", reason ? results::WordsFor(*reason).shown
                                                            : results::NotEnded);
}

// A column's value as the table writes it.
QString Cell(const results::TestRow& test, const results::TestColumn& column)
{
    const std::string stored = results::StoredText(test, column);
    switch (column.shown) {
    case Shown::Date:
        return TestsModel::StartedText(stored);
    case Shown::Difficulty: // the main window's own word for it
        return QCoreApplication::translate("frmMain", stored.c_str());
    case Shown::TimeLimit:
        return TimeLimitText(test.timeLimit);
    case Shown::Ending:
        return EndText(test.endReason);
    default:
        return Text(stored);
    }
}

} // namespace

TestsModel::TestsModel(QObject* parent) : QAbstractTableModel(parent)
{
    for (const results::TestColumn& column : results::TestColumns)
        if (column.shown != Shown::Hidden)
            m_columns.push_back(&column);
}

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
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QString TestsModel::StartedText(const std::string& started)
{
    const QDateTime time = QDateTime::fromString(Text(started), Qt::ISODate);
    return time.isValid() ? QLocale().toString(time.toLocalTime(), QLocale::ShortFormat)
                          : Text(started);
}

QVariant TestsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<size_t>(index.row()) >= m_tests.size())
        return {};
    const results::TestColumn& column = *m_columns[static_cast<size_t>(index.column())];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return Cell(m_tests[static_cast<size_t>(index.row())], column);
    if (role == Qt::TextAlignmentRole &&
        (column.shown == Shown::Number || column.shown == Shown::TimeLimit))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TestsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QCoreApplication::translate("TestsModel",
                                       m_columns[static_cast<size_t>(section)]->header);
}
