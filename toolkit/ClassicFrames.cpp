#include "ClassicFrames.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

namespace toolkit {

namespace {
constexpr int TitleIndent = 6;
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
    if (control != CC_GroupBox || !box)
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
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
    if (option->state & State_HasFocus) {
        painter->save();
        painter->setPen(QPen(option->palette.windowText().color(), 1, Qt::DotLine));
        painter->drawRect(title.adjusted(0, 0, -1, -1));
        painter->restore();
    }
}

} // namespace toolkit
