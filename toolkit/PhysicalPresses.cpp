#include "PhysicalPresses.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleHints>
#include <QWindow>

#include <map>
#include <optional>

namespace toolkit {

namespace {

// Longer than any first delay of a key's auto-repeat: a key that seems held longer without a
// repeat lost its release somewhere (another application took the keyboard, say).
constexpr quint64 LongestRepeatGap = 1000;

// Watches what the window system delivers to the windows, before any widget sees it.
class PhysicalPresses : public QObject
{
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWindowType())
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
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

  private:
    struct KeyState
    {
        bool down = false;
        quint64 pressed = 0;  // the last press or repeat
        quint64 released = 0; // the last release
        bool everReleased = false;
    };

    bool RepeatedEnter(const QKeyEvent& key)
    {
        if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
            return false;
        KeyState& state = m_keys[key.key()];
        const quint64 now = key.timestamp();
        if (key.type() == QEvent::KeyRelease) {
            if (!key.isAutoRepeat()) {
                state.down = false;
                state.released = now;
                state.everReleased = true;
            }
            return false;
        }
        const bool repeat = key.isAutoRepeat() ||
                            (state.down && now - state.pressed < LongestRepeatGap) ||
                            (state.everReleased && now == state.released);
        state.down = true;
        state.pressed = now;
        return repeat;
    }

    bool SecondClickElsewhere(QWindow* window, const QMouseEvent& mouse)
    {
        if (mouse.type() == QEvent::MouseButtonDblClick)
            return m_swallowed.has_value() && *m_swallowed == mouse.button();
        if (mouse.type() == QEvent::MouseButtonRelease) {
            if (!m_swallowed || *m_swallowed != mouse.button())
                return false;
            m_swallowed.reset();
            return true;
        }
        const auto isPopup = [](const QWindow* w) { return w && w->type() == Qt::Popup; };
        const bool secondHalf =
            m_lastPress.valid && mouse.button() == m_lastPress.button &&
            mouse.timestamp() - m_lastPress.time <
                static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval()) &&
            window != m_lastPress.window && !isPopup(window) && !isPopup(m_lastPress.window);
        m_lastPress = {true, window, mouse.timestamp(), mouse.button()};
        if (secondHalf)
            m_swallowed = mouse.button();
        return secondHalf;
    }

    std::map<int, KeyState> m_keys;
    struct
    {
        bool valid = false;
        QPointer<QWindow> window;
        quint64 time = 0;
        Qt::MouseButton button = Qt::NoButton;
    } m_lastPress;
    std::optional<Qt::MouseButton> m_swallowed;
};

} // namespace

void OnePressOneAction()
{
    qApp->installEventFilter(new PhysicalPresses(qApp));
}

} // namespace toolkit
