// The report saved as a PDF file: made in memory, then written whole and private, so that a
// write that fails (a full disk) is said and leaves no empty file where the report was asked for.

#include "Report.h"
#include "toolkit/WholeFile.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

#include <cstring>

namespace report {

QString SavePdf(QTextDocument& document, const QPrinter& printer)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setPageLayout(printer.pageLayout());
        pdf.setResolution(printer.resolution());
        pdf.setTitle(printer.docName());
        pdf.setCreator(printer.creator());
        Print(document, pdf);
    }
    const QByteArray& pdf = bytes.data();
    const int error =
        toolkit::SaveWhole(printer.outputFileName().toStdString(),
                           std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
    return error ? QString::fromLocal8Bit(std::strerror(error)) : QString();
}

} // namespace report
