#include "Report.h"

#include "FactsGrid.h"
#include "ResultsTexts.h"
#include "TestsModel.h"

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

// A model's rows as a table, with its headers.
QString HtmlTable(const QAbstractItemModel& model, int rows)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
                                  "width=\"100%\"><tr>");
    for (int column = 0; column < model.columnCount(); ++column)
        html += QStringLiteral("<th>%1</th>")
                    .arg(model.headerData(column, Qt::Horizontal).toString().toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (int row = 0; row < std::min(rows, model.rowCount()); ++row) {
        html += QStringLiteral("<tr>");
        for (int column = 0; column < model.columnCount(); ++column)
            html += QStringLiteral("<td align=\"center\">%1</td>")
                        .arg(model.index(row, column).data().toString().toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// The facts of an operation as the window's table shows them, each cell its mark on its colour,
// faintly printed; the cells of problems never asked grey.
QString FactsTable(const learning::FactTable& facts, char operation)
{
    QString html = QStringLiteral("<p>%1</p><table border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"1\"><tr><th></th>")
                       .arg(factsgrid::TableName(operation).toHtmlEscaped());
    for (int column = 0; column <= 10; ++column)
        html += QStringLiteral("<th>%1</th>").arg(column);
    for (int row = 0; row <= 10; ++row) {
        html += QStringLiteral("<tr><th>%1</th>").arg(row);
        for (int column = 0; column <= 10; ++column) {
            const auto fact = learning::FactAt(operation, row, column);
            const factsgrid::Look* look = fact ? &factsgrid::LookOf(facts.StateOf(*fact)) : nullptr;
            html += QStringLiteral("<td align=\"center\" width=\"18\" bgcolor=\"%1\">%2</td>")
                        .arg(look ? look->colour.name() : QStringLiteral("#d4d4d4"),
                             look ? QString::fromUtf8(look->mark) : QString());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// The tests, or the practices, newest first, as the Tests table shows them.
std::unique_ptr<TestsModel> TestsOf(const std::vector<results::TestRow>& tests, bool practices)
{
    std::vector<results::TestRow> some;
    std::ranges::copy_if(tests, std::back_inserter(some), [&](const results::TestRow& test) {
        return (test.practice != 0) == practices;
    });
    auto model = std::make_unique<TestsModel>();
    model->SetTests(std::move(some));
    return model;
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
        m_chart.Show(contents.charted);
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
    const QString heading = QStringLiteral("<h3>%1</h3>"), paragraph = QStringLiteral("<p>%1</p>");
    const QString top =
        QStringLiteral("<h2>%1</h2><p>%2</p>")
            .arg(contents.title.toHtmlEscaped(),
                 QLocale().toString(QDate::currentDate(), QLocale::LongFormat).toHtmlEscaped()) +
        heading.arg(QCoreApplication::translate("Report", "Progress"));
    // The tables read before the chart is laid out, which lets the window's posted events run.
    const learning::FactTable& facts = *contents.facts;
    QString tables = heading.arg(QCoreApplication::translate("Report", "Facts")) +
                     paragraph.arg(factsgrid::LegendText(contents.fluencySeconds).toHtmlEscaped());
    for (const char operation : std::string_view(learning::Operations)) {
        if (!facts.AnyAsked(operation))
            continue;
        QStringList said = {factsgrid::KnownText(facts, operation),
                            factsgrid::ToLearnText(facts, operation, false)};
        if (const auto due = facts.DueBy(operation, facts.Today() + 6); !due.empty())
            said << factsgrid::DueText(due);
        tables += QStringLiteral("<h4>%1</h4>")
                      .arg(resultstexts::OperationName(operation).toHtmlEscaped()) +
                  FactsTable(facts, operation) + paragraph.arg(said.join(u' ').toHtmlEscaped());
    }
    for (const bool practices : {false, true})
        if (const auto some = TestsOf(contents.tests, practices); some->rowCount() > 0)
            tables +=
                heading.arg(practices
                                ? QCoreApplication::translate("Report", "The last ten practices")
                                : QCoreApplication::translate("Report", "The last ten tests")) +
                HtmlTable(*some, 10);
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
