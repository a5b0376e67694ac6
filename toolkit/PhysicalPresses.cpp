#include "PhysicalPresses.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleHints>
#include <QWindow>

#include <map>
#include <optional>

#include <xcb/xproto.h>

namespace toolkit {

namespace {

// Watches what the window system delivers to the windows, before any widget sees it, and on
// X11 every key release the server sends, also those that reach no window of Qt's (a release
// sent while the keyboard focus passes from one window to another).
class PhysicalPresses : public QObject, public QAbstractNativeEventFilter
{
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWindowType())
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            return RepeatedEnter(*static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            return SecondClickElsewhere(static_cast<QWindow*>(watched),
                                        *static_cast<QMouseEvent*>(event));
        default:
            return false;
        }
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & ~0x80) == XCB_KEY_RELEASE) {
            const auto* release = static_cast<const xcb_key_release_event_t*>(message);
            m_released[release->detail] = release->time;
        }
        return false;
    }

  private:
    // A held key repeats as a release and a press at the same moment; a fresh press never
    // shares its moment with the key's release.
    bool RepeatedEnter(const QKeyEvent& key) const
    {
        if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
            return false;
        if (key.isAutoRepeat())
            return true;
        const auto released = m_released.find(key.nativeScanCode());
        return released != m_released.end() && released->second == key.timestamp();
    }

    bool SecondClickElsewhere(QWindow* window, const QMouseEvent& mouse)
    {
        if (mouse.type() != QEvent::MouseButtonPress) { // the rest of a swallowed press
            const bool swallowed = m_swallowed == mouse.button();
            if (swallowed && mouse.type() == QEvent::MouseButtonRelease)
                m_swallowed.reset();
            return swallowed;
        }
        const auto isPopup = [](const QWindow* w) { return w && w->type() == Qt::Popup; };
        const bool secondHalf =
            mouse.button() == m_lastPress.button &&
            mouse.timestamp() - m_lastPress.time <
                static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval()) &&
            window != m_lastPress.window && !isPopup(window) && !isPopup(m_lastPress.window);
        m_lastPress = {window, mouse.timestamp(), mouse.button()};
        if (secondHalf)
            m_swallowed = mouse.button();
        return secondHalf;
    }

    std::map<quint32, quint64> m_released; // X11 key codes and the time of their last release
    struct
    {
        QPointer<QWindow> window;
        quint64 time = 0;
        Qt::MouseButton button = Qt::NoButton;
    } m_lastPress;
    std::optional<Qt::MouseButton> m_swallowed;
};

} // namespace

void OnePressOneAction()
{
    auto* presses = new PhysicalPresses(qApp);
    qApp->installEventFilter(presses);
    qApp->installNativeEventFilter(presses);
}

} // namespace toolkit
