#include "TestsModel.h"

#include "ResultsTexts.h"
#include "learning/Progress.h"
#include "toolkit/QtText.h"

#include <QCoreApplication>

using results::Shown;
using toolkit::Text;

namespace {

QString TimeLimitText(int64_t seconds)
{
    return seconds > 0 ? resultstexts::DurationText(seconds) : QStringLiteral("–");
}

QString EndText(const std::optional<results::EndReason>& reason)
{
    return QCoreApplication::translate("TestsModel", reason ? results::WordsFor(*reason).shown
                                                            : results::NotEnded);
}

// How long the test ran, from its start to its end; nothing where it has no end.
QString TookText(const results::TestRow& test)
{
    const QDateTime started = resultstexts::TimeOf(test.started);
    const QDateTime ended = resultstexts::TimeOf(test.ended);
    if (!started.isValid() || !ended.isValid())
        return {};
    return resultstexts::DurationText(std::max<qint64>(0, started.secsTo(ended)));
}

// A column's value as the table writes it.
QString Cell(const results::TestRow& test, const results::TestColumn& column)
{
    // Giving up is never shown as a success: only a test that ran to its end or to its time
    // limit has a percentage and a grade here; every test keeps its counts.
    if (!learning::Charted(test) &&
        (column.name == std::string_view("percentage") || column.name == std::string_view("grade")))
        return {};
    const std::string stored = results::StoredText(test, column);
    switch (column.shown) {
    case Shown::Date:
        return TestsModel::StartedText(stored);
    case Shown::Took:
        return TookText(test);
    case Shown::Sums:
        return resultstexts::SumsText(test);
    case Shown::Difficulty:
        return resultstexts::KindText(learning::KindOf(test));
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
    const QDateTime time = resultstexts::TimeOf(started);
    return time.isValid() ? resultstexts::WhenText(time) : Text(started);
}

QVariant TestsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<size_t>(index.row()) >= m_tests.size())
        return {};
    const results::TestColumn& column = *m_columns[static_cast<size_t>(index.column())];
    const results::TestRow& test = m_tests[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return Cell(test, column);
    if (role == Qt::AccessibleTextRole) // a screen reader hears what a dash means
        return column.shown == Shown::TimeLimit && test.timeLimit <= 0
                   ? QCoreApplication::translate("drill", "Unlimited")
                   : Cell(test, column);
    if (role == Qt::TextAlignmentRole &&
        (column.shown == Shown::Number || column.shown == Shown::TimeLimit ||
         column.shown == Shown::Took))
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
