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
// Where a frame standing at frame goes to lie inside the available area: moved in no further
// than it must; where it is too tall or too wide, its title bar stays on the screen.
QPoint KeptInside(const QRect& available, const QRect& frame);

// Places a top-level window so, now with the frame it is known to have, and once more when the
// window manager has framed it.
void PlaceOnScreen(QWidget* window);
// Keeps a dialog where the toolkit shows it, over its owner, but moves its frame inside the
// screen's available area once the frame is known, each time it is shown.
void KeepOnScreen(QWidget* dialog);

} // namespace toolkit
