#pragma once

#include <optional>

// The command line asks for nothing but the window, or for an answer printed at once: the
// usage (--help), the version (--version) or the recorded tests, or answers, as CSV
// (--results-csv, with --answers and --title).
// Anything else is refused, in one line on standard error. Read before any window exists, so it
// needs no display.
//
// The exit status when the program is to end without its window, or nothing.
std::optional<int> AnswerCommandLine(int& argc, char* argv[]);
