#include "Caption.h"

#include <QWidget>

namespace toolkit {

namespace {
const QString Mark = QStringLiteral("[*]");
const QString EscapedMark = QStringLiteral("[*][*]");
} // namespace

void SetCaption(QWidget* window, const QString& caption)
{
    window->setWindowTitle(QString(caption).replace(Mark, EscapedMark));
}

QString Caption(const QWidget* window)
{
    return window->windowTitle().replace(EscapedMark, Mark);
}

} // namespace toolkit
