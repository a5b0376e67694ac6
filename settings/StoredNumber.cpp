#include "StoredNumber.h"

#include "toolkit/NumberText.h"

namespace settings {

std::optional<int16_t> StoredNumber(std::string_view text)
{
    const toolkit::LenientNumber number = toolkit::ReadLenient(text);
    if (!number.inRange)
        return std::nullopt;
    return toolkit::ToInt16(number.value);
}

} // namespace settings
