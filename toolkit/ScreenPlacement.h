#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace toolkit {

// Where a window's frame goes in the screen's available area (inside the panels): centred where
// it fits; where it is too tall or too wide, against the top or the left edge, so that its
// title bar stays on the screen and the window can be moved.
QPoint FramePlace(const QRect& available, const QSize& frame);

// Places a top-level window so, now with the frame it is known to have, and once more when the
// window manager has framed it.
void PlaceOnScreen(QWidget* window);

} // namespace toolkit
