#include "EnterKey.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace toolkit {

namespace {

class EnterPresses : public QObject
{
  public:
    explicit EnterPresses(QAbstractButton* button) : QObject(button), m_button(button) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        m_button->click();
        return true;
    }

  private:
    QAbstractButton* m_button;
};

} // namespace

void PressOnEnter(QAbstractButton* button)
{
    button->installEventFilter(new EnterPresses(button));
}

} // namespace toolkit
