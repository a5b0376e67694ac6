// Feeds arbitrary bytes to the store file's parser. Whatever it accepts must write back to a
// text that reads to the same tree.

#include "registry/StoreFormat.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto tree = registry::ParseStore(text);
    if (!tree)
        return 0;
    const std::string written = registry::SerializeStore(*tree);
    const auto again = registry::ParseStore(written);
    if (!again || registry::SerializeStore(*again) != written)
        std::abort();
    return 0;
}
