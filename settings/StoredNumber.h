#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace settings {

// A saved number as its control takes it: the text read leniently (" 1", "1", "" and
// "abc" all read), then rounded halves to even. No value when it does not fit 16 bits.
std::optional<int16_t> StoredNumber(std::string_view text);

} // namespace settings
