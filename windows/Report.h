#pragma once

#include "ProgressChart.h"
#include "results/TestRecord.h"

#include <QFont>
#include <QString>

#include <memory>
#include <vector>

class QAbstractItemModel;
class QPagedPaintDevice;
class QPrinter;
class QTextDocument;

// A page to take to a teacher for the title shown: the chart of its tests, its table of facts of
// one operation, its last ten tests and the facts still to learn, in the language shown, legible
// in black and white (each fact's cell has its mark, each kind's line its dash).
namespace report {

struct Contents
{
    QString title;
    std::vector<results::TestRow> tests; // newest first, as many as the chart shows
    ProgressChart::GradeBands bands;
    QString operation;                   // the name of the facts' operation
    const QAbstractItemModel* facts;     // the table of facts as the window shows it
    const QAbstractItemModel* lastTests; // the tests as the window's table shows them
    QString toLearn;
    QFont font; // the window's, which the report is printed in whatever the machine's fonts
};

// The report as a document, all of it read from the contents as it is made.
std::unique_ptr<QTextDocument> Document(const Contents& contents);
// Prints it on the device, a printer or a PDF file, as one page of the device's paper.
void Print(QTextDocument& document, QPagedPaintDevice& device);
// Saves it as the PDF file the printer names, on the printer's paper, whole and private (0600);
// empty, or why it could not be saved.
QString SavePdf(QTextDocument& document, const QPrinter& printer);

} // namespace report
