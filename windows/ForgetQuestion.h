#pragma once

#include <QString>

class QWidget;

// Asks before results are forgotten for good. Its default button, and Escape, keep them; the
// one that forgets has an access key that no habit from another window presses (not Y for a
// Yes, not O for an OK, not a letter of the File menu that Alt+F opens elsewhere): forgetting is
// always a choice of its own. True where the user chose to forget.
bool ConfirmForget(QWidget* owner, const QString& caption, const QString& question);
