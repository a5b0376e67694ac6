#pragma once

#include <QProxyStyle>

namespace toolkit {

// The platform's style, with frames drawn the classic way: the title on the border line, and
// the frame's room beneath it, where its controls are placed from the top edge.
class ClassicFrames : public QProxyStyle
{
  public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

} // namespace toolkit
