#pragma once

class QWidget;

namespace results {
class Recorder;
}

// Before the program ends with answers that wait to be written (another program holds the
// results file, say), the window says how many and why, and offers to wait for them (the
// default button, and Escape) or to leave without them, which keeps them for the next start.
// The question closes itself once they are written; the window's thread never waits on the file
// meanwhile. Returns at once where nothing waits.
void WaitForUnwritten(QWidget* owner, results::Recorder& recorder);
