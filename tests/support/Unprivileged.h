#pragma once

#include <functional>

// Runs body in a child process without root's privileges (as nobody), so that file modes
// apply as they do for an ordinary user; a process that is not root runs it as it is.
// Returns true when body ran without a failed expectation.
bool RunUnprivileged(const std::function<void()>& body);
