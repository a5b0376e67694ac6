#include "ScreenPlacement.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace toolkit {

namespace {

QMargins FrameMargins(const QWidget* window)
{
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

void Place(QWidget* window)
{
    const QSize frame = window->size().grownBy(FrameMargins(window));
    window->move(FramePlace(window->screen()->availableGeometry(), frame));
}

// Places the window again once the window manager has put its frame round it, then lets go.
class WhenFramed : public QObject
{
  public:
    explicit WhenFramed(QWidget* window) : QObject(window) { window->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        const bool arranged = event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                              event->type() == QEvent::Expose;
        if (arranged && !FrameMargins(window).isNull()) {
            window->removeEventFilter(this);
            deleteLater();
            Place(window);
        }
        return false;
    }
};

} // namespace

QPoint FramePlace(const QRect& available, const QSize& frame)
{
    return available.topLeft() + QPoint(std::max(0, (available.width() - frame.width()) / 2),
                                        std::max(0, (available.height() - frame.height()) / 2));
}

void PlaceOnScreen(QWidget* window)
{
    Place(window);
    new WhenFramed(window);
}

} // namespace toolkit
