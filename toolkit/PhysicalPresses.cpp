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
        const auto kind = event->response_type & ~0x80;
        if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE)
            return false;
        const auto* key = static_cast<const xcb_key_press_event_t*>(message);
        if (kind == XCB_KEY_RELEASE) {
            m_released[key->detail] = key->time;
            return false;
        }
        // A held key repeats as a release and then a press at the same moment. The press is
        // told here, in the order the server sent them: a quick fresh press is often delivered
        // after its own release has been read, and may share its moment too.
        const auto released = m_released.find(key->detail);
        if (released != m_released.end() && released->second == key->time)
            m_repeatedAt[key->detail] = key->time;
        else
            m_repeatedAt.erase(key->detail);
        return false;
    }

  private:
    bool RepeatedEnter(const QKeyEvent& key) const
    {
        if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
            return false;
        if (key.isAutoRepeat())
            return true;
        const auto repeated = m_repeatedAt.find(key.nativeScanCode());
        return repeated != m_repeatedAt.end() && repeated->second == key.timestamp();
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

    // X11 key codes, the time of their last release, and that of their last press that repeated
    std::map<quint32, quint64> m_released, m_repeatedAt;
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
