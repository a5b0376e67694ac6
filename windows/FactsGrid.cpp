#include "FactsGrid.h"

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

// How each state shows: its colour, its mark, and its word.
struct Look
{
    FactState state;
    QColor colour;
    const char* mark;
    const char* word;
};
const Look Looks[] = {
    {FactState::Known, QColor(190, 235, 190), "✓", QT_TRANSLATE_NOOP("FactsGrid", "known")},
    {FactState::Learning, QColor(255, 255, 255), "○", QT_TRANSLATE_NOOP("FactsGrid", "learning")},
    {FactState::Slow, QColor(255, 225, 160), "…", QT_TRANSLATE_NOOP("FactsGrid", "slow")},
    {FactState::Missed, QColor(255, 190, 190), "✗", QT_TRANSLATE_NOOP("FactsGrid", "missed")},
    {FactState::NotAsked, QColor(255, 255, 255), "",
     QT_TRANSLATE_NOOP("FactsGrid", "not yet asked")},
};

const Look& LookOf(FactState state)
{
    for (const Look& look : Looks)
        if (look.state == state)
            return look;
    return Looks[0];
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

// Whether the drill poses this problem at all.
bool Posed(char operation, int top, int bottom)
{
    return (operation != '-' && operation != '/') ||
           (top >= bottom && !(operation == '/' && bottom == 0));
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

QString Said(const learning::FactTable& facts, const learning::Fact& fact, const QString& posed)
{
    const FactState state = facts.StateOf(fact);
    const auto last = facts.LastAnswers(fact);
    if (last.empty())
        return QCoreApplication::translate("FactsGrid", "%1: not yet asked").arg(posed);
    int right = 0;
    double slowest = 0;
    for (const learning::FactAnswer& answer : last)
        right += answer.right, slowest = std::max(slowest, answer.seconds);
    return QCoreApplication::translate(
               "FactsGrid", "%1: %2, %n right out of %3, the slowest in %4 s", nullptr, right)
        .arg(posed, QCoreApplication::translate("FactsGrid", LookOf(state).word))
        .arg(last.size())
        .arg(QLocale().toString(slowest, 'f', 1));
}

void Show(QTableWidget* grid, const learning::FactTable& facts, char operation)
{
    for (int top = 0; top <= 10; ++top)
        for (int bottom = 0; bottom <= 10; ++bottom) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            const QString posed =
                QStringLiteral("%1 %2 %3").arg(top).arg(QChar::fromLatin1(operation)).arg(bottom);
            if (!Posed(operation, top, bottom)) {
                cell->setData(
                    Qt::AccessibleTextRole,
                    QCoreApplication::translate("FactsGrid", "%1: never asked").arg(posed));
            } else {
                const auto fact = learning::FactOf(operation, {top, bottom});
                const Look& look = LookOf(facts.StateOf(*fact));
                cell->setText(QString::fromUtf8(look.mark));
                cell->setData(StateColour, look.colour);
                const QString said = Said(facts, *fact, posed);
                cell->setData(Qt::AccessibleTextRole, said);
                cell->setToolTip(said);
            }
            grid->setItem(top, bottom, cell);
        }
    PaintCells(grid);
    toolkit::FollowLooks(grid, [grid] { PaintCells(grid); });
}

void ShowLegend(QLabel* known, QLabel* learning, QLabel* slow, QLabel* missed, QLabel* notAsked)
{
    const auto paint = [labels = std::array{known, learning, slow, missed, notAsked}] {
        for (size_t at = 0; at < labels.size(); ++at) {
            QPalette palette = labels[at]->palette();
            palette.setColor(QPalette::Window, toolkit::Ground(Looks[at].colour));
            labels[at]->setPalette(palette);
            labels[at]->setAutoFillBackground(true);
        }
    };
    paint();
    toolkit::FollowLooks(known, paint);
}

QString ToLearnText(const learning::FactTable& facts)
{
    std::vector<learning::Fact> missed, slow;
    for (const learning::Fact& fact : facts.ToLearn())
        (facts.StateOf(fact) == FactState::Missed ? missed : slow).push_back(fact);
    if (!facts.AnyAsked())
        return QCoreApplication::translate("FactsGrid", "No fact has been asked yet.");
    if (missed.empty() && slow.empty())
        return QCoreApplication::translate("FactsGrid",
                                           "Every fact asked is right, and none is slow.");
    QStringList parts;
    if (!missed.empty())
        parts
            << QCoreApplication::translate("FactsGrid", "Still missed: %1.").arg(FactsList(missed));
    if (!slow.empty())
        parts << QCoreApplication::translate("FactsGrid", "Right, but slow: %1.")
                     .arg(FactsList(slow));
    return parts.join(u' ');
}

} // namespace factsgrid
