#pragma once

#include <QString>

class QWidget;

namespace toolkit {

// A window's caption, shown in its title bar exactly as it stands. Qt reads "[*]" in a window
// title as the place of its "modified" mark, so the title bar is given the caption with that
// mark escaped, and Caption gives back the caption as it was set.
void SetCaption(QWidget* window, const QString& caption);
QString Caption(const QWidget* window);

} // namespace toolkit
