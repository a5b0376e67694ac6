#pragma once

#include <QProxyStyle>

namespace toolkit {

// The platform's style, with frames drawn the classic way: the title on the border line, and
// the frame's room beneath it, where its controls are placed from the top edge. In High Contrast
// the keyboard's focus is drawn as a thick frame in the palette's highlight, whatever the
// platform's style draws.
class ClassicFrames : public QProxyStyle
{
  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

} // namespace toolkit
