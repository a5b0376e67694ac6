#pragma once

#include "results/TestRecord.h"

#include <QChartView>
#include <QString>

#include <utility>
#include <vector>

// The percentage of each test over time, with the grades' bands faintly behind it; what it
// shows is also said in words, for a screen reader.
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

    // "12 tests since 1 December; the last five from 60% to 90%".
    static QString Summary(const std::vector<results::TestRow>& newestFirst);

  protected:
    // Tab reaches the chart, so that a screen reader says what it shows; a dotted frame shows
    // that it has the keyboard.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

  private:
    GradeBands m_bands;
};
