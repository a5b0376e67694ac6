#include "ClassicFrames.h"

#include "HighContrast.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

namespace toolkit {

namespace {

constexpr int TitleIndent = 6;

// High Contrast's focus: a frame two pixels thick just inside the rectangle.
void DrawFocus(QPainter* painter, const QStyleOption* option, QRect rect)
{
    painter->save();
    painter->setPen(QPen(option->palette.highlight().color(), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

} // namespace

void ClassicFrames::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const
{
    const bool focus = HighContrast() && (option->state & State_HasFocus);
    if (HighContrast() && element == PE_FrameFocusRect)
        return DrawFocus(painter, option, option->rect);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (focus && (element == PE_FrameLineEdit || element == PE_PanelButtonCommand))
        DrawFocus(painter, option, option->rect);
}

QRect ClassicFrames::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                    SubControl part, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QSize title = box->fontMetrics.size(Qt::TextShowMnemonic, box->text) + QSize(4, 0);
    switch (part) {
    case SC_GroupBoxLabel:
        return {option->rect.topLeft() + QPoint(TitleIndent, 0), title};
    case SC_GroupBoxFrame:
        return option->rect.adjusted(0, title.height() / 2, 0, 0);
    case SC_GroupBoxContents:
        return option->rect.adjusted(1, title.height(), -1, -1);
    default:
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

void ClassicFrames::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (HighContrast() && control == CC_ComboBox && (option->state & State_HasFocus))
            DrawFocus(painter, option, option->rect);
        return;
    }
    const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
    const QRect title = subControlRect(control, option, SC_GroupBoxLabel, widget);
    painter->save();
    painter->setPen(option->palette.mid().color());
    painter->drawRect(frame.adjusted(0, 0, -1, -1));
    painter->fillRect(title, option->palette.window());
    painter->restore();
    drawItemText(painter, title, Qt::AlignCenter | Qt::TextShowMnemonic, option->palette,
                 option->state & State_Enabled, box->text, QPalette::WindowText);
    // A frame that holds the keyboard (the status, where it rests after a test) shows it as a
    // classic control does, by a dotted rectangle round its title, however the focus came.
    if ((option->state & State_HasFocus) && HighContrast()) {
        DrawFocus(painter, option, title);
    } else if (option->state & State_HasFocus) {
        painter->save();
        painter->setPen(QPen(option->palette.windowText().color(), 1, Qt::DotLine));
        painter->drawRect(title.adjusted(0, 0, -1, -1));
        painter->restore();
    }
}

} // namespace toolkit
