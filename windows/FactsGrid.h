#pragma once

#include "learning/Facts.h"

#include <QString>

class QLabel;
class QTableWidget;

// The facts of one operation as a table, the top number down and the bottom one across, each
// cell coloured and marked by where its fact stands, and said in words to a screen reader.
namespace factsgrid {

// Fills the grid with the operation's facts; a cell that is no problem the drill poses (a
// difference below 0, a division by 0) stays empty and grey.
void Show(QTableWidget* grid, const learning::FactTable& facts, char operation);
// Colours and marks the legend's labels as the cells are: known, learning, slow, missed, and
// not yet asked.
void ShowLegend(QLabel* known, QLabel* learning, QLabel* slow, QLabel* missed, QLabel* notAsked);
// The facts still to learn, in a sentence.
QString ToLearnText(const learning::FactTable& facts);
// A fact as its cell says it: "7 x 8: missed: right once in the last 3, the slowest in 4.2 s".
QString Said(const learning::FactTable& facts, const learning::Fact& fact, const QString& posed);

} // namespace factsgrid
