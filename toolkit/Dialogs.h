#pragma once

#include <QString>

class QWidget;

namespace toolkit {

// A warning with an exclamation icon and one OK button; returns when it is dismissed.
void MessageBox(QWidget* owner, const QString& prompt, const QString& title);

// Asks for a line of text with an empty field; returns the text, or empty text on Cancel.
// With maxUtf8Bytes, the field takes no more text than that many bytes of UTF-8.
QString InputBox(QWidget* owner, const QString& prompt, const QString& title,
                 int maxUtf8Bytes = -1);

} // namespace toolkit
