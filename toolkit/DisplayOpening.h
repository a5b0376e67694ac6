#pragma once

#include <functional>

namespace toolkit {

// Opens the display by making the application object, on X11 where the session offers it
// beside Wayland and no platform was chosen. Where no display answers, Qt would end
// the program with an abort and a word about reinstalling it; this says in one line of the
// program's own which display could not be opened, or which platform plugin asked for is not
// installed, and ends with status 2. What Qt says while the display opens is kept back until it
// has opened.
void OpenDisplay(const std::function<void()>& makeApplication);

// The one line for a program started with no display named at all, or nothing.
const char* NoDisplayNamed();

} // namespace toolkit
