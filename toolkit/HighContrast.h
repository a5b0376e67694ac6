#pragma once

#include <QColor>

#include <functional>

class QObject;
class QPalette;

// High Contrast, for a child with low vision: every window drawn with its text and marks at a
// contrast of 7:1 or more against their ground (WCAG's level AAA) and its keyboard focus in a
// thick frame. Its colours are chosen here, in one place: a palette for every window, and two
// lookups that the windows ask for the colours they pick themselves (a fact's cell, a chart's
// line), so that whatever is added to them takes it up. Off, every window is drawn as it always
// was.
namespace toolkit {

// Whether the windows are drawn in high contrast now (in any of the program's modules).
bool HighContrast();
// Draws every window in high contrast, or again as the platform draws it; the windows open take
// it up at once.
void ShowHighContrast(bool on);
// The palette of High Contrast: black on light grey, white fields, black frames, navy for what is
// chosen and for the focus, dark red for what cannot be used now.
QPalette HighContrastPalette();

// A colour that text and marks are drawn on: as given, or in high contrast lightened until black
// reads on it at 7:1.
QColor Ground(const QColor& colour);
// A colour that text and marks are drawn in: as given, or in high contrast darkened until it
// reads at 7:1 on the windows' ground and on anything lighter.
QColor Ink(const QColor& colour);

// Calls draw whenever the windows' looks change (High Contrast turned on or off) while the widget
// watched is shown in them, for as long as it lives; a later call for the same widget takes the
// place of this one.
void FollowLooks(QObject* watched, std::function<void()> draw);

} // namespace toolkit
