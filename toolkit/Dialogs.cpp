#include "Dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QValidator>

namespace toolkit {

namespace {

class Utf8LengthValidator : public QValidator
{
  public:
    Utf8LengthValidator(int maxBytes, QObject* parent) : QValidator(parent), m_maxBytes(maxBytes) {}

    State validate(QString& input, int&) const override
    {
        return input.toUtf8().size() <= m_maxBytes ? Acceptable : Invalid;
    }

  private:
    int m_maxBytes;
};

bool OnWayland()
{
    return QGuiApplication::platformName() == QStringLiteral("wayland");
}

// QMessageBox fixes its size each time it lays itself out; on Wayland it is left free to grow.
class WarningBox : public QMessageBox
{
  public:
    using QMessageBox::QMessageBox;

  protected:
    bool event(QEvent* event) override
    {
        const bool handled = QMessageBox::event(event);
        if (OnWayland() && maximumWidth() != QWIDGETSIZE_MAX)
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return handled;
    }
};

} // namespace

void MessageBox(QWidget* owner, const QString& prompt, const QString& title)
{
    WarningBox box(QMessageBox::Warning, title, prompt, QMessageBox::Ok, owner);
    box.exec();
}

int TitleBarWidth(const QWidget* window, const QString& caption)
{
    // Window managers draw titles in the desktop's font, not in the window's own small one.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    return QFontMetrics(titleFont, window).horizontalAdvance(caption) + 140;
}

void KeepSize(QWidget* window, std::optional<QSize> size)
{
    const QSize kept = size.value_or(window->size());
    if (OnWayland())
        window->setMinimumSize(kept), window->resize(kept);
    else
        window->setFixedSize(kept);
}

QString InputBox(QWidget* owner, const QString& prompt, const QString& title, int maxUtf8Bytes,
                 const QStringList& offered)
{
    QInputDialog dialog(owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    if (!offered.isEmpty()) {
        dialog.setComboBoxItems(offered);
        dialog.setComboBoxEditable(true);
    }
    dialog.setTextValue(QString());
    // The dialog takes the width of its field: enough for its whole title.
    auto* field = dialog.findChild<QLineEdit*>();
    auto* list = dialog.findChild<QComboBox*>();
    (offered.isEmpty() ? static_cast<QWidget*>(field) : list)
        ->setMinimumWidth(TitleBarWidth(&dialog, title));
    // What is typed stays as typed: a completion would make "Ann" the "Anna" offered.
    if (!offered.isEmpty())
        list->setCompleter(nullptr);
    if (maxUtf8Bytes >= 0)
        field->setValidator(new Utf8LengthValidator(maxUtf8Bytes, field));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

} // namespace toolkit
