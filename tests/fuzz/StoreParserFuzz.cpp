// Feeds arbitrary bytes to the store file's parser. What it reads of them must write back to
// a text that reads whole, to the same tree.

#include "registry/StoreFormat.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto parsed = registry::ParseStore({reinterpret_cast<const char*>(data), size});
    if (!parsed)
        return 0;
    const std::string written = registry::SerializeStore(parsed->tree);
    const auto again = registry::ParseStore(written);
    if (!again || !again->skipped.empty() || registry::SerializeStore(again->tree) != written)
        std::abort();
    return 0;
}
