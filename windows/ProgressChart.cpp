#include "ProgressChart.h"

#include "ResultsTexts.h"
#include "TimeTicks.h"
#include "learning/Progress.h"
#include "toolkit/HighContrast.h"

#include <QAccessible>
#include <QAreaSeries>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QGraphicsSimpleTextItem>
#include <QKeyEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QDateTime StartOf(const results::TestRow& test)
{
    return resultstexts::TimeOf(test.started);
}

// The tests drawn, oldest first: a clock put back keeps each line going forward in time.
std::vector<results::TestRow> Charted(const std::vector<results::TestRow>& newestFirst)
{
    std::vector<results::TestRow> charted;
    std::copy_if(newestFirst.rbegin(), newestFirst.rend(), std::back_inserter(charted),
                 [](const results::TestRow& test) {
                     return learning::Charted(test) && StartOf(test).isValid();
                 });
    std::stable_sort(charted.begin(), charted.end(),
                     [](const auto& a, const auto& b) { return StartOf(a) < StartOf(b); });
    return charted;
}

using resultstexts::KindText;

// How each kind's line is drawn: a colour, a dash that tells it apart in black and white, and in
// High Contrast a mark of its own shape at each point.
struct LineLook
{
    QColor colour;
    Qt::PenStyle dash;
    QLegend::MarkerShape mark;
};
const LineLook Looks[] = {
    {QColor(20, 60, 160), Qt::SolidLine, QLegend::MarkerShapeCircle},
    {QColor(180, 70, 0), Qt::DashLine, QLegend::MarkerShapeRectangle},
    {QColor(20, 120, 50), Qt::DotLine, QLegend::MarkerShapeTriangle},
    {QColor(130, 40, 150), Qt::DashDotLine, QLegend::MarkerShapeRotatedRectangle},
    {QColor(70, 70, 70), Qt::DashDotDotLine, QLegend::MarkerShapePentagon}};

// A point's mark: the shape its line has in the legend, in the line's colour, edged in black.
QImage Mark(QLegend::MarkerShape shape, const QColor& colour)
{
    QImage mark(32, 32, QImage::Format_ARGB32_Premultiplied);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(colour);
    const QRectF room(3, 3, 26, 26);
    const int corners = shape == QLegend::MarkerShapeTriangle           ? 3
                        : shape == QLegend::MarkerShapeRotatedRectangle ? 4
                        : shape == QLegend::MarkerShapePentagon         ? 5
                                                                        : 0;
    QPolygonF polygon;
    for (int corner = 0; corner < corners; ++corner) // the first at the top
        polygon << room.center() + 13 * QPointF(std::sin(2 * std::numbers::pi * corner / corners),
                                                -std::cos(2 * std::numbers::pi * corner / corners));
    if (shape == QLegend::MarkerShapeCircle)
        painter.drawEllipse(room);
    else if (corners == 0)
        painter.drawRect(room);
    else
        painter.drawPolygon(polygon);
    return mark;
}

// Each kind its own look, the same on every chart and report: the levels in order, then practice.
const LineLook& LookOf(const std::string& kind)
{
    const std::string_view kinds[] = {"Easy", "Medium", "Hard", "Diabloish",
                                      learning::PracticeKind};
    const auto at = std::ranges::find(kinds, kind) - std::begin(kinds);
    return Looks[static_cast<size_t>(at) % std::size(Looks)];
}

} // namespace

ProgressChart::ProgressChart(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    chart()->legend()->setAlignment(Qt::AlignTop);
    chart()->setBackgroundRoundness(0);
    // Numbers as the language writes them, and a label's format taken as text: unlocalized, Qt
    // Charts reads it as Latin-1 bytes, and the no-break space of "60 %" comes out as a box.
    // Localized, it reads only a format with a precision ("%.0f").
    chart()->setLocalizeNumbers(true);
    chart()->setLocale(QLocale());
    connect(chart(), &QChart::plotAreaChanged, this, &ProgressChart::PlaceLetters);
    toolkit::FollowLooks(this, [this] { Show(std::vector(m_shown)); });
}

void ProgressChart::Show(const std::vector<results::TestRow>& newestFirst)
{
    QChart* chart = this->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis), delete axis;
    for (QGraphicsSimpleTextItem* letter : m_letters)
        delete letter;
    m_letters.clear();

    m_shown = newestFirst;
    m_points = Charted(newestFirst);
    m_point = -1;
    m_summary = Summary(newestFirst);
    setAccessibleDescription(m_summary);
    chart->legend()->setVisible(!m_points.empty());
    chart->legend()->setFont(font());
    if (m_points.empty())
        return;
    // A margin on either side keeps the first and the last point clear of the edges.
    constexpr qint64 hour = 3600 * 1000;
    const qint64 earliest = StartOf(m_points.front()).toMSecsSinceEpoch();
    const qint64 latest = StartOf(m_points.back()).toMSecsSinceEpoch();
    const qint64 margin = std::max((latest - earliest) / 20, hour);
    const qint64 first = earliest - margin, last = latest + margin;

    auto* time = new QDateTimeAxis;
    const resultstexts::TimeTicks ticks = resultstexts::TimeTicksOver(last - first);
    time->setFormat(ticks.scale == resultstexts::TimeScale::Hours  ? tr("d MMM HH:mm")
                    : ticks.scale == resultstexts::TimeScale::Days ? tr("d MMM")
                                                                   : tr("MMM yyyy"));
    time->setTickCount(ticks.count);
    time->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    time->setTitleText(tr("Date"));
    chart->addAxis(time, Qt::AlignBottom);
    auto* percent = new QValueAxis;
    percent->setRange(0, 100); // reaching a little further once the plot's height is known
    percent->setLabelFormat(tr("%d%").replace("%d", "%.0f"));
    percent->setTickType(QValueAxis::TicksDynamic);
    percent->setTickAnchor(0);
    percent->setTickInterval(20);
    percent->setTitleText(tr("% correct"));
    chart->addAxis(percent, Qt::AlignLeft);
    // The window's own font, never the chart theme's, which the machine's fonts decide.
    // In High Contrast every text, line and mark in the palette's text colour or darker.
    const bool contrast = toolkit::HighContrast();
    const QColor ink = palette().windowText().color();
    if (contrast)
        chart->legend()->setLabelColor(ink);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(time), static_cast<QAbstractAxis*>(percent)}) {
        axis->setLabelsFont(font());
        QFont title = font(); // no larger than the labels, which a small window needs room for
        title.setBold(true);
        axis->setTitleFont(title);
        if (contrast)
            axis->setLabelsBrush(ink), axis->setTitleBrush(ink), axis->setLinePenColor(ink);
    }

    // The grades' bands, faintly behind the lines, green for the best to red for the worst; each
    // letter beside its band. The best and the worst reach past 100 and 0, to the plot's edges.
    for (size_t band = m_bands.size(); band-- > 0;) {
        const int floor = band + 1 == m_bands.size() ? -100 : m_bands[band].second;
        const int top = band == 0 ? 200 : m_bands[band - 1].second;
        auto* upper = new QLineSeries(chart);
        auto* lower = new QLineSeries(chart);
        for (const qint64 x : {first, last})
            upper->append(x, top), lower->append(x, floor);
        auto* area = new QAreaSeries(upper, lower);
        const int hue = 120 * static_cast<int>(m_bands.size() - 1 - band) /
                        std::max<int>(1, static_cast<int>(m_bands.size()) - 1);
        area->setBrush(toolkit::Ground(QColor::fromHsv(hue, 28, 255)));
        area->setPen(Qt::NoPen);
        chart->addSeries(area);
        area->attachAxis(time);
        area->attachAxis(percent);
        chart->legend()->markers(area).value(0)->setVisible(false);
        m_letters.push_back(new QGraphicsSimpleTextItem(m_bands[band].first, chart));
        if (contrast)
            m_letters.back()->setBrush(ink);
    }

    // A line for each kind of test, in the order the kinds first came.
    std::vector<std::string> kinds;
    for (const results::TestRow& test : m_points)
        if (std::ranges::find(kinds, learning::KindOf(test)) == kinds.end())
            kinds.push_back(learning::KindOf(test));
    for (size_t kind = 0; kind < kinds.size(); ++kind) {
        auto* line = new QLineSeries;
        line->setName(KindText(kinds[kind]));
        line->setPointsVisible(true);
        const LineLook& look = LookOf(kinds[kind]);
        line->setPen(QPen(toolkit::Ink(look.colour), 2, look.dash));
        for (const results::TestRow& test : m_points)
            if (learning::KindOf(test) == kinds[kind])
                line->append(StartOf(test).toMSecsSinceEpoch(), *test.percentage);
        chart->addSeries(line);
        line->attachAxis(time);
        line->attachAxis(percent);
        if (contrast) {
            line->setLightMarker(Mark(look.mark, toolkit::Ink(look.colour)));
            line->setMarkerSize(11);
            chart->legend()->markers(line).value(0)->setShape(look.mark);
        }
        connect(line, &QLineSeries::hovered, this, [this](const QPointF& point, bool over) {
            const auto test = std::ranges::min_element(m_points, {}, [&](const auto& test) {
                return std::abs(StartOf(test).toMSecsSinceEpoch() - qint64(point.x()));
            });
            if (over)
                QToolTip::showText(QCursor::pos(), PointText(*test), this);
            else
                QToolTip::hideText();
        });
    }
    PlaceLetters();
}

qreal ProgressChart::MarkReach() const
{
    qreal reach = 0;
    for (QAbstractSeries* series : chart()->series())
        if (auto* line = qobject_cast<QLineSeries*>(series))
            reach = std::max(reach, line->markerSize() / 2 + line->pen().widthF());
    return reach;
}

void ProgressChart::PlaceLetters()
{
    const QRectF plot = chart()->plotArea();
    const qreal tallest = fontMetrics().height();
    qreal lowest = 0, highest = 100;
    for (QAbstractAxis* axis : chart()->axes(Qt::Vertical))
        if (auto* percent = qobject_cast<QValueAxis*>(axis)) {
            // Each percentage on the axis whole: every 20 where there is room, else every 50.
            const qreal every = plot.height() > 7 * tallest ? 20 : 50;
            if (percent->tickInterval() != every)
                percent->setTickInterval(every);
            // A point at 100% or 0% whole, not cut in half by the plot's edge: the axis reaches
            // as far past them as a point's mark, in percent of the plot's height.
            const qreal reach =
                100 * MarkReach() / std::max<qreal>(1, plot.height() - 2 * MarkReach());
            if (!qFuzzyCompare(percent->max(), 100 + reach))
                percent->setRange(-reach, 100 + reach);
            lowest = percent->min(), highest = percent->max();
        }
    const auto y = [&](qreal percent) {
        return plot.bottom() - plot.height() * (percent - lowest) / (highest - lowest);
    };
    qreal widest = 0;
    for (size_t at = 0; at < m_letters.size(); ++at) {
        const size_t band = m_bands.size() - 1 - at; // the letters were made lowest first
        const int floor = m_bands[band].second;
        const int top = band == 0 ? 100 : m_bands[band - 1].second;
        const qreal height = y(floor) - y(top);
        // Each within its band; in High Contrast never so small that its strokes blur, whatever
        // the bands' room.
        const qreal smallest = toolkit::HighContrast() ? 0.6 * tallest : 1;
        QFont font = this->font();
        font.setPixelSize(static_cast<int>(std::max(smallest, std::min(tallest, height) * 0.8)));
        QGraphicsSimpleTextItem* letter = m_letters[at];
        letter->setFont(font);
        const QRectF drawn = letter->boundingRect();
        letter->setPos(plot.right() + 4, (y(floor) + y(top)) / 2 - drawn.height() / 2);
        widest = std::max(widest, drawn.width());
    }
    // Room on the right for the letters, not yet left there.
    const QMargins margins(4, 4, 8 + static_cast<int>(widest), 4);
    if (chart()->margins() != margins)
        chart()->setMargins(margins);
}

void ProgressChart::focusInEvent(QFocusEvent* event)
{
    QChartView::focusInEvent(event);
    viewport()->update();
}

void ProgressChart::focusOutEvent(QFocusEvent* event)
{
    QChartView::focusOutEvent(event);
    Point(-1);
}

void ProgressChart::keyPressEvent(QKeyEvent* event)
{
    const int count = static_cast<int>(m_points.size());
    switch (event->key()) {
    case Qt::Key_Right:
        return Point(std::min(m_point + 1, count - 1));
    case Qt::Key_Left:
        return Point(m_point < 0 ? count - 1 : std::max(m_point - 1, 0));
    case Qt::Key_Home:
        return Point(count > 0 ? 0 : -1);
    case Qt::Key_End:
        return Point(count - 1);
    default:
        QChartView::keyPressEvent(event);
    }
}

void ProgressChart::Point(int at)
{
    m_point = at;
    QToolTip::hideText();
    if (at < 0) {
        setAccessibleDescription(m_summary);
    } else {
        const results::TestRow& test = m_points[static_cast<size_t>(at)];
        setAccessibleDescription(PointText(test));
        const QPointF there =
            chart()->mapToPosition(QPointF(StartOf(test).toMSecsSinceEpoch(), *test.percentage),
                                   chart()->series().value(0));
        QToolTip::showText(mapToGlobal(mapFromScene(there)), accessibleDescription(), this);
    }
    QAccessibleEvent said(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&said);
    viewport()->update();
}

void ProgressChart::drawForeground(QPainter* painter, const QRectF& rect)
{
    QChartView::drawForeground(painter, rect);
    if (!hasFocus())
        return;
    painter->save();
    // In High Contrast a frame as thick as the other controls' focus.
    painter->setPen(toolkit::HighContrast() ? QPen(palette().highlight().color(), 2)
                                            : QPen(palette().windowText().color(), 0, Qt::DotLine));
    painter->drawRect(mapToScene(viewport()->rect().adjusted(2, 2, -3, -3)).boundingRect());
    if (m_point >= 0) { // a ring round the point the keys reached
        const results::TestRow& test = m_points[static_cast<size_t>(m_point)];
        const QPointF there =
            chart()->mapToPosition(QPointF(StartOf(test).toMSecsSinceEpoch(), *test.percentage),
                                   chart()->series().value(0));
        painter->setPen(QPen(palette().windowText().color(), 2));
        painter->drawEllipse(there, 7, 7);
    }
    painter->restore();
}

QString ProgressChart::PointText(const results::TestRow& test)
{
    return tr("%1, %2, %3: %4%, %5")
        .arg(resultstexts::WhenText(StartOf(test)), KindText(learning::KindOf(test)),
             resultstexts::SumsText(test))
        .arg(*test.percentage)
        .arg(QString::fromStdString(test.grade));
}

QString ProgressChart::Summary(const std::vector<results::TestRow>& newestFirst)
{
    const auto summary = learning::Summarize(newestFirst);
    if (!summary)
        return tr("No test has been finished yet.");
    const QString day = resultstexts::DayText(resultstexts::TimeOf(summary->firstStarted).date());
    const QString kind = KindText(summary->kind);
    const int count = static_cast<int>(summary->tests);
    // A practice is for learning, and never called a test.
    const bool practices = summary->kind == learning::PracticeKind;
    if (count == 1)
        return (practices ? tr("%1: one practice, on %2: %3%") : tr("%1: one test, on %2: %3%"))
            .arg(kind, day)
            .arg(summary->to);
    return (practices ? tr("%1: %n practices since %2; the last %3 from %4% to %5%", nullptr, count)
                      : tr("%1: %n tests since %2; the last %3 from %4% to %5%", nullptr, count))
        .arg(kind, day)
        .arg(summary->lastFew)
        .arg(summary->from)
        .arg(summary->to);
}
