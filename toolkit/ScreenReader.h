#pragma once

namespace toolkit {

// Whether the desktop says a screen reader is running: the accessibility bus's
// ScreenReaderEnabled, which Orca sets while it runs (and GNOME's and KDE's settings with it). Qt's
// own sign, QAccessible::isActive(), is not asked: any assistive tool turns it on, an on-screen
// keyboard or a test reading the windows too, and those say nothing aloud. The bus is never
// started to ask it.
bool ScreenReaderRuns();

} // namespace toolkit
