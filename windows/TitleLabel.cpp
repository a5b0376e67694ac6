#include "TitleLabel.h"

#include <QPainter>
#include <QStyle>

#include <climits>

int TitleLabel::Flags() const
{
    return static_cast<int>(alignment()) | Qt::TextWrapAnywhere;
}

int TitleLabel::heightForWidth(int width) const
{
    return fontMetrics()
        .boundingRect(QRect(QPoint(), QSize(width, INT_MAX)), Flags(), text())
        .height();
}

void TitleLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), Flags(), palette(), isEnabled(), text(),
                          foregroundRole());
}
