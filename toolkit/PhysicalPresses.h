#pragma once

namespace toolkit {

// Makes one physical press one action, whatever the window system sends for it:
// - Enter held down presses once. On X11 a held key arrives as release and press pairs with
//   one timestamp, which Qt marks as repeats only when it reads both at once; on a busy
//   machine, or with a window opening between them, the press comes as a fresh one.
// - The second press of a double-click that began in another window presses nothing: the
//   click that closed a dialog must not press what lay under it, nor the click that opened one
//   press what opened on top of it.
// Call once after QApplication.
void OnePressOneAction();

} // namespace toolkit
