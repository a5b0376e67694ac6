#include "Say.h"

#include <cstdio>
#include <string>

namespace toolkit {

void Say(std::string_view line)
{
    // One call on the stream, which its lock keeps whole against another thread's.
    const std::string said = "carrowby: " + std::string(line) + "\n";
    std::fwrite(said.data(), 1, said.size(), stderr);
}

} // namespace toolkit
