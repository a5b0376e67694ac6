#include "FactsGrid.h"

#include "ResultsTexts.h"
#include "toolkit/HighContrast.h"
#include "toolkit/QtText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>

#include <array>
#include <ranges>

using learning::FactState;

namespace factsgrid {

namespace {

// How each state shows, in the order of the legend.
const Look Looks[] = {
    {FactState::Known, QColor(190, 235, 190), "✓", QT_TRANSLATE_NOOP("FactsGrid", "known")},
    {FactState::DueAgain, QColor(200, 220, 255), "↻", QT_TRANSLATE_NOOP("FactsGrid", "due again")},
    {FactState::Learning, QColor(255, 255, 255), "○", QT_TRANSLATE_NOOP("FactsGrid", "learning")},
    {FactState::Slow, QColor(255, 225, 160), "…", QT_TRANSLATE_NOOP("FactsGrid", "slow")},
    {FactState::Missed, QColor(255, 190, 190), "✗", QT_TRANSLATE_NOOP("FactsGrid", "missed")},
    {FactState::NotAsked, QColor(255, 255, 255), "",
     QT_TRANSLATE_NOOP("FactsGrid", "not yet asked")},
};

QString Translated(const char* text, int count = -1)
{
    return QCoreApplication::translate("FactsGrid", text, nullptr, count);
}

// Where a cell keeps the colour of its fact's state, which it is painted in as the looks ask.
constexpr int StateColour = Qt::UserRole + 1;

// Each cell in its state's colour, and a cell that is no problem the drill poses in the window's.
void PaintCells(QTableWidget* grid)
{
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column)
            if (QTableWidgetItem* cell = grid->item(row, column)) {
                const QVariant colour = cell->data(StateColour);
                cell->setBackground(colour.isValid() ? toolkit::Ground(colour.value<QColor>())
                                                     : grid->palette().color(QPalette::Window));
            }
}

QString DayText(learning::Day day)
{
    const learning::Date date = learning::DateOf(day);
    return resultstexts::DayText(QDate(date.year, date.month, date.day));
}

// How long ago a day was: "today", "yesterday", "3 days ago".
QString AgoText(int days)
{
    return days <= 0   ? QCoreApplication::translate("FactsGrid", "today")
           : days == 1 ? QCoreApplication::translate("FactsGrid", "yesterday")
                       : QCoreApplication::translate("FactsGrid", "%n days ago", nullptr, days);
}

// The first few facts by name, and how many more there are.
QString FactsList(const std::vector<learning::Fact>& facts)
{
    constexpr size_t Named = 8;
    QStringList named;
    for (const learning::Fact& fact : facts | std::views::take(Named))
        named << toolkit::Text(learning::FactText(fact));
    if (const size_t more = facts.size() - std::min(facts.size(), Named))
        named << QCoreApplication::translate("FactsGrid", "%n more", nullptr, int(more));
    return QLocale().createSeparatedList(named);
}

} // namespace

const Look& LookOf(FactState state)
{
    for (const Look& look : Looks)
        if (look.state == state)
            return look;
    return Looks[0];
}

QString Said(const learning::FactTable& facts, const learning::Fact& fact)
{
    const QString posed = toolkit::Text(learning::FactText(fact));
    const learning::Standing standing = facts.StandingOf(fact);
    if (standing.last.empty())
        return QCoreApplication::translate("FactsGrid", "%1: not yet asked").arg(posed);
    const QString ago = AgoText(facts.Today() - standing.last.front().day);
    if (standing.state == FactState::Known)
        return QCoreApplication::translate("FactsGrid",
                                           "%1: known since %2, due again on %3, last asked %4")
            .arg(posed, DayText(*standing.knownSince), DayText(*standing.due), ago);
    if (standing.state == FactState::DueAgain)
        return QCoreApplication::translate("FactsGrid",
                                           "%1: due again, known since %2, last asked %3")
            .arg(posed, DayText(*standing.knownSince), ago);
    int right = 0;
    double slowest = 0;
    for (const learning::FactAnswer& answer : standing.last)
        right += answer.right, slowest = std::max(slowest, answer.seconds);
    const bool today = standing.last.back().day == facts.Today();
    const QString said =
        (today ? QCoreApplication::translate(
                     "FactsGrid", "%1: %2, %n right out of %3 today, the slowest in %4 s", nullptr,
                     right)
               : QCoreApplication::translate(
                     "FactsGrid", "%1: %2, %n right out of %3, the slowest in %4 s, last asked %5",
                     nullptr, right))
            .arg(posed, QCoreApplication::translate("FactsGrid", LookOf(standing.state).word))
            .arg(standing.last.size())
            .arg(QLocale().toString(slowest, 'f', 1));
    return today ? said : said.arg(ago);
}

QString TableName(char operation)
{
    return operation == '-'
               ? QCoreApplication::translate("FactsGrid", "Facts, the number taken away down "
                                                          "and the difference across")
           : operation == '/'
               ? QCoreApplication::translate("FactsGrid",
                                             "Facts, the divisor down and the quotient across")
               : QCoreApplication::translate(
                     "FactsGrid", "Facts, the top number down and the bottom one across");
}

QString LegendText(int fluencySeconds)
{
    QStringList marks;
    for (const Look& look : Looks)
        marks << (*look.mark ? QString::fromUtf8(look.mark) + u' ' : QString()) +
                     QCoreApplication::translate("FactsGrid", look.word);
    return QCoreApplication::translate("FactsGrid", "%1. Known when right within %n seconds.",
                                       nullptr, fluencySeconds)
        .arg(marks.join(QStringLiteral(", ")));
}

QString DueText(const std::vector<learning::Fact>& due)
{
    return QCoreApplication::translate("FactsGrid", "Due again this week: %1.").arg(FactsList(due));
}

void Show(QTableWidget* grid, const learning::FactTable& facts, char operation)
{
    grid->setAccessibleName(TableName(operation));
    for (int row = 0; row <= 10; ++row)
        for (int column = 0; column <= 10; ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            if (const auto fact = learning::FactAt(operation, row, column)) {
                const Look& look = LookOf(facts.StateOf(*fact));
                cell->setText(QString::fromUtf8(look.mark));
                cell->setData(StateColour, look.colour);
                const QString said = Said(facts, *fact);
                cell->setData(Qt::AccessibleTextRole, said);
                cell->setToolTip(said);
            } else {
                cell->setData(Qt::AccessibleTextRole,
                              QCoreApplication::translate("FactsGrid", "%1: never asked")
                                  .arg(QStringLiteral("%1 %2 %3")
                                           .arg(row)
                                           .arg(QChar::fromLatin1(operation))
                                           .arg(column)));
            }
            grid->setItem(row, column, cell);
        }
    PaintCells(grid);
    toolkit::FollowLooks(grid, [grid] { PaintCells(grid); });
}

void ShowLegend(const std::vector<QLabel*>& labels)
{
    const auto paint = [labels] {
        for (size_t at = 0; at < labels.size() && at < std::size(Looks); ++at) {
            QPalette palette = labels[at]->palette();
            palette.setColor(QPalette::Window, toolkit::Ground(Looks[at].colour));
            labels[at]->setPalette(palette);
            labels[at]->setAutoFillBackground(true);
        }
    };
    paint();
    if (!labels.empty())
        toolkit::FollowLooks(labels.front(), paint);
}

QString ToLearnText(const learning::FactTable& facts, char operation, bool others)
{
    if (!facts.AnyAsked())
        return QCoreApplication::translate("FactsGrid", "No fact has been asked yet.");
    std::vector<learning::Fact> missed, slow;
    for (const learning::Fact& fact : facts.ToLearn(operation))
        (facts.StateOf(fact) == FactState::Missed ? missed : slow).push_back(fact);
    QStringList parts;
    if (!missed.empty())
        parts
            << QCoreApplication::translate("FactsGrid", "Still missed: %1.").arg(FactsList(missed));
    if (!slow.empty())
        parts << QCoreApplication::translate("FactsGrid", "Right, but slow: %1.")
                     .arg(FactsList(slow));
    if (parts.isEmpty())
        parts << QCoreApplication::translate("FactsGrid",
                                             "Every fact asked is right, and none is slow.");
    if (const auto elsewhere = facts.ToLearn().size() - missed.size() - slow.size();
        others && elsewhere)
        parts << QCoreApplication::translate("FactsGrid", "And %n to learn in other operations.",
                                             nullptr, int(elsewhere));
    return parts.join(u' ');
}

QString KnownText(const learning::FactTable& facts, char operation)
{
    const learning::FactTable::Counts counts = facts.CountsOf(operation);
    const char* const known[] = {
        QT_TRANSLATE_N_NOOP("FactsGrid", "Known: %1 of %n addition facts"),
        QT_TRANSLATE_N_NOOP("FactsGrid", "Known: %1 of %n subtraction facts"),
        QT_TRANSLATE_N_NOOP("FactsGrid", "Known: %1 of %n multiplication facts"),
        QT_TRANSLATE_N_NOOP("FactsGrid", "Known: %1 of %n division facts")};
    const auto at = std::string_view(learning::Operations).find(operation);
    const int change = counts.known - counts.knownWeekAgo;
    return QCoreApplication::translate("FactsGrid", "%1, %2; %3.")
        .arg(Translated(known[std::min<size_t>(at, 3)], counts.facts).arg(counts.known),
             change > 0   ? QCoreApplication::translate("FactsGrid", "%n more than a week ago",
                                                        nullptr, change)
             : change < 0 ? QCoreApplication::translate("FactsGrid", "%n fewer than a week ago",
                                                        nullptr, -change)
                          : QCoreApplication::translate("FactsGrid", "as many as a week ago"),
             QCoreApplication::translate("FactsGrid", "%n due again", nullptr, counts.due));
}

} // namespace factsgrid
