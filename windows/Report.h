#pragma once

#include "ProgressChart.h"
#include "learning/Facts.h"
#include "results/TestRecord.h"

#include <QFont>
#include <QString>

#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPrinter;
class QTextDocument;

// Pages to take to a teacher for the title shown: the chart of its tests; for every operation it
// has facts in, their table, how many are known, what is still to learn and what is due again
// this week, under a legend that states the fluency time; its last ten tests and its last ten
// practices, apart. In the language shown, legible in black and white (each fact's cell has its
// mark, each kind's line its dash).
namespace report {

struct Contents
{
    QString title;
    std::vector<results::TestRow> charted; // newest first, as many as the chart shows
    ProgressChart::GradeBands bands;
    const learning::FactTable* facts;
    int fluencySeconds;
    std::vector<results::TestRow> tests; // every test of the title, newest first
    QFont font; // the window's, which the report is printed in whatever the machine's fonts
};

// The report as a document, all of it read from the contents as it is made.
std::unique_ptr<QTextDocument> Document(const Contents& contents);
// Prints it on the device, a printer or a PDF file, on as many pages of its paper as it takes.
void Print(QTextDocument& document, QPagedPaintDevice& device);
// Saves it as the PDF file the printer names, on the printer's paper, whole and private (0600);
// empty, or why it could not be saved.
QString SavePdf(QTextDocument& document, const QPrinter& printer);

} // namespace report
