#pragma once

#include "learning/Facts.h"

#include <QColor>
#include <QString>

#include <vector>

class QLabel;
class QTableWidget;

// The facts of one operation as a table, the first part down and the second across, each cell
// coloured and marked by where its fact stands, and said in words to a screen reader.
namespace factsgrid {

// Fills the grid with the operation's facts, and names it for what its rows and columns are; a
// cell that is no problem the drill poses (a division by 0) stays empty and grey.
void Show(QTableWidget* grid, const learning::FactTable& facts, char operation);
// Colours and marks the legend's labels as the cells are: known, due again, learning, slow,
// missed, and not yet asked.
void ShowLegend(const std::vector<QLabel*>& labels);
// The facts of the operation still to learn, in a sentence, with how many more the others have
// unless told not to.
QString ToLearnText(const learning::FactTable& facts, char operation, bool others = true);
// What the rows and the columns of the operation's table are: "Facts, the divisor down and the
// quotient across".
QString TableName(char operation);
// What each mark means, and the fluency time.
QString LegendText(int fluencySeconds);
// "Due again this week: 3 x 4, 6 x 7."
QString DueText(const std::vector<learning::Fact>& due);
// How many facts of the operation are known, beside a week ago, and how many are due again:
// "Known: 42 of 66 multiplication facts, 6 more than a week ago; 3 due again."
QString KnownText(const learning::FactTable& facts, char operation);
// A fact as its cell says it: "3 x 4: due again, known since 30 October, last asked 39 days ago".
QString Said(const learning::FactTable& facts, const learning::Fact& fact);
// A state's mark and its colour, as the cells show them.
struct Look
{
    learning::FactState state;
    QColor colour;
    const char* mark;
    const char* word;
};
const Look& LookOf(learning::FactState state);

} // namespace factsgrid
