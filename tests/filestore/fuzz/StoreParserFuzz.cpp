// Arbitrary bytes for the store's parser: what it reads writes back whole, bounded, not too deep.

#include "registry/filestore/StoreFormat.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto parsed = registry::ParseStore({reinterpret_cast<const char*>(data), size});
    if (!parsed)
        return 0;
    const std::string written = registry::SerializeStore(parsed->tree);
    const auto again = registry::ParseStore(written);
    if (!again || !again->skipped.empty() || registry::SerializeStore(again->tree) != written ||
        written.size() > 300 * (size + 100))
        std::abort();
    // A key line starts a key whatever ends the line before: a comment before each changes nothing.
    std::string spaced(reinterpret_cast<const char*>(data), size);
    for (size_t at = spaced.find("\n["); at != std::string::npos; at = spaced.find("\n[", at + 6))
        spaced.insert(at, "\n; x");
    const auto apart = registry::ParseStore(spaced);
    if (!apart || registry::SerializeStore(apart->tree) != written)
        std::abort();
    std::istringstream lines(written);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with('[') &&
            std::count(line.begin(), line.end(), '\\') > int(registry::DeepestKey))
            std::abort();
    return 0;
}
