#pragma once

#include <functional>

// Runs body in a child process without root's privileges (as nobody), so that file modes
// apply as they do for an ordinary user; a process that is not root runs it as it is.
// Returns true when body ran without a failed expectation.
bool RunUnprivileged(const std::function<void()>& body);

// For a process that must not fork once it runs threads or a window system: runs the current
// test again in a new process of this program with CARROWBY_TEST_AS_NOBODY set, which the
// program's main takes as the word to drop root's privileges first. Returns its exit status.
int RunCurrentTestAsNobody();
