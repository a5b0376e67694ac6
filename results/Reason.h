#pragma once

#include "toolkit/Translatable.h"

#include <string>

namespace results {

// Why something could not be done, as the program says it: a text of its own, marked for
// translation in the context "results", with %1 where words of another's go (a column's name,
// SQLite's words or the system's), which stay as they are. The windows show it in the user's
// language; standard error says it in English.
struct Reason
{
    const char* text = "%1";
    std::string fill = {};

    std::string English() const
    {
        std::string said = text;
        if (const size_t at = said.find("%1"); at != std::string::npos)
            said.replace(at, 2, fill);
        return said;
    }
    bool operator==(const Reason& other) const { return English() == other.English(); }
};

} // namespace results
