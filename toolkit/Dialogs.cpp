#include "Dialogs.h"

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

} // namespace

void MessageBox(QWidget* owner, const QString& prompt, const QString& title)
{
    QMessageBox box(QMessageBox::Warning, title, prompt, QMessageBox::Ok, owner);
    box.exec();
}

QString InputBox(QWidget* owner, const QString& prompt, const QString& title, int maxUtf8Bytes)
{
    QInputDialog dialog(owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    if (maxUtf8Bytes >= 0) {
        if (auto* field = dialog.findChild<QLineEdit*>())
            field->setValidator(new Utf8LengthValidator(maxUtf8Bytes, field));
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

} // namespace toolkit
