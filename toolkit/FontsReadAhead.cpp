#include "FontsReadAhead.h"

#include <fontconfig/fontconfig.h>

namespace toolkit {

// Fontconfig keeps what it reads for the process: Qt's font database, built from it later,
// finds it there.
FontsReadAhead::FontsReadAhead() : m_reading([] { FcInit(); }) {}

void FontsReadAhead::Wait()
{
    if (m_reading.joinable())
        m_reading.join();
}

} // namespace toolkit
