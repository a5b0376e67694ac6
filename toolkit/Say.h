#pragma once

#include <string_view>

namespace toolkit {

// Says one line on standard error, "carrowby: " before it, in one piece, so that lines said at
// once from two threads never mix.
void Say(std::string_view line);

} // namespace toolkit
