#include "Report.h"

#include <QAbstractItemModel>
#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

namespace report {

namespace {

constexpr int ChartWidth = 680, ChartHeight = 280; // at a document's 96 points an inch

// A model's rows as a table, with its headers; each cell's colour behind it, faintly printed.
QString HtmlTable(const QAbstractItemModel& model, int rows, bool rowHeaders)
{
    const QString cell = QStringLiteral("<td align=\"center\"%1>%2</td>");
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
                                  "width=\"100%\"><tr>");
    if (rowHeaders)
        html += QStringLiteral("<th></th>");
    for (int column = 0; column < model.columnCount(); ++column)
        html += QStringLiteral("<th>%1</th>")
                    .arg(model.headerData(column, Qt::Horizontal).toString().toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (int row = 0; row < std::min(rows, model.rowCount()); ++row) {
        html += QStringLiteral("<tr>");
        if (rowHeaders)
            html += QStringLiteral("<th>%1</th>")
                        .arg(model.headerData(row, Qt::Vertical).toString().toHtmlEscaped());
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex at = model.index(row, column);
            const QVariant back = at.data(Qt::BackgroundRole);
            html += cell.arg(
                back.isValid()
                    ? QStringLiteral(" bgcolor=\"%1\"").arg(back.value<QBrush>().color().name())
                    : QString(),
                at.data().toString().toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// The chart as the window draws it, drawn again where the document puts it on paper: in lines
// and letters, as fine as the printer prints.
class ChartObject : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

  public:
    static constexpr int Type = QTextFormat::UserObject + 1;

    explicit ChartObject(const Contents& contents)
    {
        m_chart.SetGradeBands(contents.bands);
        m_chart.setFont(contents.font);
        m_chart.setAttribute(Qt::WA_DontShowOnScreen);
        m_chart.resize(ChartWidth, ChartHeight);
        m_chart.show(); // laid out as on screen, never seen
        m_chart.Show(contents.tests);
        QCoreApplication::sendPostedEvents();
    }
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override
    {
        return QSizeF(ChartWidth, ChartHeight);
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat&) override
    {
        m_chart.render(painter, rect, QRect(0, 0, ChartWidth, ChartHeight));
    }

  private:
    ProgressChart m_chart;
};

} // namespace

std::unique_ptr<QTextDocument> Document(const Contents& contents)
{
    const QString heading = QStringLiteral("<h3>%1</h3>");
    const QString top =
        QStringLiteral("<h2>%1</h2><p>%2</p>")
            .arg(contents.title.toHtmlEscaped(),
                 QLocale().toString(QDate::currentDate(), QLocale::LongFormat).toHtmlEscaped()) +
        heading.arg(QCoreApplication::translate("Report", "Progress"));
    // The tables read before the chart is laid out, which lets the window's posted events run.
    const QString tables =
        heading.arg(QCoreApplication::translate("Report", "Facts: %1")
                        .arg(contents.operation)
                        .toHtmlEscaped()) +
        HtmlTable(*contents.facts, contents.facts->rowCount(), true) +
        QStringLiteral("<p>%1</p>").arg(contents.toLearn.toHtmlEscaped()) +
        heading.arg(QCoreApplication::translate("Report", "The last ten tests")) +
        HtmlTable(*contents.lastTests, 10, false);
    auto document = std::make_unique<QTextDocument>();
    QFont font = contents.font;
    font.setPointSizeF(8.5);
    document->setDefaultFont(font);
    auto* chart = new ChartObject(contents);
    chart->setParent(document.get());
    document->documentLayout()->registerHandler(ChartObject::Type, chart);
    QTextCursor cursor(document.get());
    cursor.insertHtml(top);
    cursor.insertBlock();
    QTextCharFormat object;
    object.setObjectType(ChartObject::Type);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
    cursor.insertBlock();
    cursor.insertHtml(tables);
    return document;
}

void Print(QTextDocument& document, QPagedPaintDevice& device)
{
    // Laid out on what the device prints of its paper, with margins of its own, at the 96
    // points an inch a document is measured in, so that it prints as it is, chart and all,
    // rather than as a copy without it.
    document.setPageSize(device.pageLayout().paintRect(QPageLayout::Inch).size() * 96);
    document.setDocumentMargin(0.5 * 96);
    document.print(&device);
}

} // namespace report

#include "Report.moc"
