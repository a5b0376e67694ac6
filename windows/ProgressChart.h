#pragma once

#include "results/TestRecord.h"

#include <QChartView>
#include <QString>

#include <utility>
#include <vector>

class QGraphicsSimpleTextItem;

// The percentage of each test over time, a line for each kind of test with a legend, and the
// grades' bands faintly behind them, each with its letter beside it. Each point says what it is
// in a tooltip, and the arrow keys walk the points for a screen reader, which reads the point as
// the chart's description; without one, the description says what the chart shows.
class ProgressChart : public QChartView
{
    Q_OBJECT

  public:
    // Each grade's letter and the lowest percentage that gets it, highest first.
    using GradeBands = std::vector<std::pair<QString, int>>;

    explicit ProgressChart(QWidget* parent = nullptr);

    void SetGradeBands(GradeBands bands) { m_bands = std::move(bands); }
    // Shows the tests, newest first as they are kept.
    void Show(const std::vector<results::TestRow>& newestFirst);

    // "Easy: 12 tests since 1 December; the last 5 from 60% to 90%".
    static QString Summary(const std::vector<results::TestRow>& newestFirst);
    // A test as a point says it: its date, its settings, its percentage and grade.
    static QString PointText(const results::TestRow& test);

  protected:
    // Tab reaches the chart, so that a screen reader says what it shows; a dotted frame shows
    // that it has the keyboard.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

  private:
    // Fits the percentages to the plot's height and puts each grade's letter beside its band, in
    // a size its band holds.
    void PlaceLetters();
    // How far a point's mark reaches past its place, in pixels.
    qreal MarkReach() const;
    void Point(int at);

    GradeBands m_bands;
    std::vector<results::TestRow> m_shown; // as given, drawn anew when the looks change
    std::vector<QGraphicsSimpleTextItem*> m_letters;
    std::vector<results::TestRow> m_points; // those drawn, oldest first
    QString m_summary;
    int m_point = -1; // the point the arrow keys reached, if any
};
