#pragma once

class QAbstractButton;

namespace toolkit {

// Enter (Return or the keypad's Enter) presses button while it has the focus, as the space
// bar does. Buttons of dialogs do this by themselves; those of a main window do not.
void PressOnEnter(QAbstractButton* button);

} // namespace toolkit
