#include "TitleLabel.h"

#include <QPainter>
#include <QTextLayout>

#include <climits>
#include <cmath>

int TitleLabel::LayOut(QTextLayout& layout, int width) const
{
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setFont(font());
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return static_cast<int>(std::ceil(height));
}

int TitleLabel::heightForWidth(int width) const
{
    QTextLayout layout(text());
    return LayOut(layout, width);
}

int TitleLabel::OneLineWidth() const
{
    QTextLayout layout(text());
    LayOut(layout, INT_MAX / 2);
    return layout.lineCount() ? static_cast<int>(std::ceil(layout.lineAt(0).naturalTextWidth()))
                              : 0;
}

void TitleLabel::paintEvent(QPaintEvent*)
{
    QTextLayout layout(text());
    const QRect room = contentsRect();
    const int height = LayOut(layout, room.width());
    // As a label does: the lines stand in the middle of its height.
    const int top = room.top() + std::max(0, (room.height() - height) / 2);
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF(room.left(), top));
}
