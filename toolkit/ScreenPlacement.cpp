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

// Where the toolkit put the window (over its owner, for a dialog), but inside the screen.
void KeepInside(QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QPoint inside = KeptInside(window->screen()->availableGeometry(), frame);
    if (inside == frame.topLeft())
        return;
    window->move(inside);
    window->setAttribute(Qt::WA_Moved, false); // shown again, it goes over its owner again
}

// Places the window again once the window manager has put its frame round it: after the next
// show, or after every show.
class WhenFramed : public QObject
{
  public:
    WhenFramed(QWidget* window, void (*place)(QWidget*), bool everyShow)
        : QObject(window), m_place(place), m_everyShow(everyShow)
    {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        m_waiting = m_waiting || event->type() == QEvent::Show;
        const bool arranged = event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                              event->type() == QEvent::Expose;
        if (m_waiting && arranged && !FrameMargins(window).isNull()) {
            m_waiting = false;
            if (!m_everyShow) {
                window->removeEventFilter(this);
                deleteLater();
            }
            m_place(window);
        }
        return false;
    }

  private:
    void (*m_place)(QWidget*);
    bool m_everyShow;
    bool m_waiting = true;
};

} // namespace

QPoint KeptInside(const QRect& available, const QRect& frame)
{
    const auto along = [](int at, int length, int first, int room) {
        return std::max(first, std::min(at, first + room - length));
    };
    return {along(frame.x(), frame.width(), available.x(), available.width()),
            along(frame.y(), frame.height(), available.y(), available.height())};
}

QPoint FramePlace(const QRect& available, const QSize& frame)
{
    const QPoint centred = available.topLeft() + QPoint((available.width() - frame.width()) / 2,
                                                        (available.height() - frame.height()) / 2);
    return KeptInside(available, QRect(centred, frame));
}

void PlaceOnScreen(QWidget* window)
{
    Place(window);
    new WhenFramed(window, Place, false);
}

void KeepOnScreen(QWidget* dialog)
{
    new WhenFramed(dialog, KeepInside, true);
}

} // namespace toolkit
