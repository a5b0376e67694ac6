#include "ProgressChart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>

namespace {

QDateTime StartOf(const results::TestRow& test)
{
    return QDateTime::fromString(QString::fromStdString(test.started), Qt::ISODate);
}

// Only a test that ran to its end, or to its time limit, with something answered, has a
// percentage to draw.
std::vector<results::TestRow> Completed(const std::vector<results::TestRow>& newestFirst)
{
    std::vector<results::TestRow> completed;
    std::copy_if(newestFirst.rbegin(), newestFirst.rend(), std::back_inserter(completed),
                 [](const results::TestRow& test) {
                     return (test.endReason == results::EndReason::Finished ||
                             test.endReason == results::EndReason::Time) &&
                            test.percentage && StartOf(test).isValid();
                 });
    std::stable_sort(completed.begin(), completed.end(), [](const auto& a, const auto& b) {
        return StartOf(a) < StartOf(b); // a clock put back keeps the line going forward in time
    });
    return completed;
}

QString DayText(const QDateTime& time)
{
    return QLocale().toString(time.toLocalTime().date(), ProgressChart::tr("d MMMM"));
}

} // namespace

ProgressChart::ProgressChart(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    chart()->legend()->hide();
    chart()->setMargins(QMargins(4, 4, 4, 4));
    chart()->setBackgroundRoundness(0);
}

void ProgressChart::Show(const std::vector<results::TestRow>& newestFirst)
{
    QChart* chart = this->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis), delete axis;

    const std::vector<results::TestRow> tests = Completed(newestFirst);
    setAccessibleDescription(Summary(newestFirst));
    if (tests.empty())
        return;
    // A margin on either side keeps the first and the last point clear of the edges.
    constexpr qint64 hour = 3600 * 1000, day = 24 * hour;
    const qint64 earliest = StartOf(tests.front()).toMSecsSinceEpoch();
    const qint64 latest = StartOf(tests.back()).toMSecsSinceEpoch();
    const qint64 margin = std::max((latest - earliest) / 20, hour);
    const qint64 first = earliest - margin, last = latest + margin;

    auto* time = new QDateTimeAxis;
    time->setFormat(last - first < 2 * day ? tr("d MMM HH:mm") : tr("d MMM"));
    time->setTickCount(5);
    time->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    chart->addAxis(time, Qt::AlignBottom);
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setLabelFormat(QStringLiteral("%d%"));
    percent->setTickCount(6);
    chart->addAxis(percent, Qt::AlignLeft);
    auto* grades = new QCategoryAxis;
    grades->setRange(0, 100);
    grades->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    grades->setGridLineVisible(false);
    grades->setStartValue(0);
    chart->addAxis(grades, Qt::AlignRight);

    // The grades' bands, faintly behind the line, green for the best to red for the worst; the
    // letters stand beside them.
    for (size_t band = m_bands.size(); band-- > 0;) {
        const int floor = m_bands[band].second;
        const int top = band == 0 ? 100 : m_bands[band - 1].second;
        auto* upper = new QLineSeries(chart);
        auto* lower = new QLineSeries(chart);
        for (const qint64 x : {first, last})
            upper->append(x, top), lower->append(x, floor);
        auto* area = new QAreaSeries(upper, lower);
        const int hue = 120 * static_cast<int>(m_bands.size() - 1 - band) /
                        std::max<int>(1, static_cast<int>(m_bands.size()) - 1);
        area->setBrush(QColor::fromHsv(hue, 28, 255));
        area->setPen(Qt::NoPen);
        chart->addSeries(area);
        area->attachAxis(time);
        area->attachAxis(percent);
        grades->append(m_bands[band].first, top);
    }

    auto* line = new QLineSeries;
    line->setPointsVisible(true);
    line->setPen(QPen(QColor(20, 60, 160), 2));
    for (const results::TestRow& test : tests)
        line->append(StartOf(test).toMSecsSinceEpoch(), *test.percentage);
    chart->addSeries(line);
    line->attachAxis(time);
    line->attachAxis(percent);
}

void ProgressChart::focusInEvent(QFocusEvent* event)
{
    QChartView::focusInEvent(event);
    viewport()->update();
}

void ProgressChart::focusOutEvent(QFocusEvent* event)
{
    QChartView::focusOutEvent(event);
    viewport()->update();
}

void ProgressChart::drawForeground(QPainter* painter, const QRectF& rect)
{
    QChartView::drawForeground(painter, rect);
    if (!hasFocus())
        return;
    painter->save();
    painter->setPen(QPen(palette().windowText().color(), 0, Qt::DotLine));
    painter->drawRect(mapToScene(viewport()->rect().adjusted(2, 2, -3, -3)).boundingRect());
    painter->restore();
}

QString ProgressChart::Summary(const std::vector<results::TestRow>& newestFirst)
{
    const std::vector<results::TestRow> tests = Completed(newestFirst);
    if (tests.empty())
        return tr("No test has been finished yet.");
    const QString day = DayText(StartOf(tests[0]));
    const QString since = tests.size() == 1 ? tr("1 test on %1").arg(day)
                                            : tr("%1 tests since %2").arg(tests.size()).arg(day);
    const size_t lastFew = std::min<size_t>(tests.size(), 5);
    const results::TestRow& from = tests[tests.size() - lastFew];
    if (lastFew == 1)
        return tr("%1: %2%").arg(since).arg(*from.percentage);
    return tr("%1; the last %2 from %3% to %4%")
        .arg(since)
        .arg(lastFew)
        .arg(*from.percentage)
        .arg(*tests.back().percentage);
}
