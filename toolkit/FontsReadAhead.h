#pragma once

#include <thread>

namespace toolkit {

// Reads the machine's font configuration on a thread of its own while the program opens the
// display, so that the main window, whose first text needs it, finds it read. Reading it is a
// good part of a start, and the display's opening waits on the display server meanwhile.
class FontsReadAhead
{
  public:
    FontsReadAhead();
    ~FontsReadAhead() { Wait(); }
    FontsReadAhead(const FontsReadAhead&) = delete;
    FontsReadAhead& operator=(const FontsReadAhead&) = delete;

    // Waits until the configuration is read.
    void Wait();

  private:
    std::thread m_reading;
};

} // namespace toolkit
