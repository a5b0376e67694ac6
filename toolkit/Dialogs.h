#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace toolkit {

// A warning with an exclamation icon and one OK button; returns when it is dismissed.
void MessageBox(QWidget* owner, const QString& prompt, const QString& title);

// Asks for a line of text with an empty field; returns the text, or empty text on Cancel.
// With maxUtf8Bytes, the field takes no more text than that many bytes of UTF-8. Texts offered
// are listed under the field, to be chosen or typed anew.
QString InputBox(QWidget* owner, const QString& prompt, const QString& title, int maxUtf8Bytes = -1,
                 const QStringList& offered = {});

// How wide a window must be for its title bar to show caption whole, beside the bar's icon and
// buttons, in the desktop's font in bold, as window managers draw titles.
int TitleBarWidth(const QWidget* window, const QString& caption);

// Keeps a classic window at its present size, or at this one. A Wayland compositor may still
// maximize it (Qt draws a maximize button on every window there, and ends the program if the
// window then keeps its size), so there it only keeps it from getting smaller.
void KeepSize(QWidget* window, std::optional<QSize> size = std::nullopt);

} // namespace toolkit
