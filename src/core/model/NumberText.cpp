#include "core/model/NumberText.h"

#include <string_view>

namespace kelvane {

std::string ShortNumberText(Distance d)
{
    const bool negative = d.Units() < 0;
    // The magnitude is the exact text without its sign: negating the most
    // negative value instead would overflow.
    const std::string text = d.Format('.');
    std::string_view magnitude = text;
    if (negative)
        magnitude.remove_prefix(1);
    std::string out(1, negative ? '-' : ' ');
    // Between -1 and 1 the text starts "0." and the 0 is dropped; a plain 0
    // stays as it is.
    if (magnitude.size() > 1 && magnitude[0] == '0')
        magnitude.remove_prefix(1);
    out += magnitude;
    return out;
}

std::string OneDecimalText(Distance d, char separator)
{
    const bool negative = d.Units() < 0;
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(d.Units()) : static_cast<std::uint64_t>(d.Units());
    // Tenths, with the dropped 0.05 AU rounding away from zero.
    const std::uint64_t tenths = (magnitude + 500) / 1000;
    std::string out = negative && tenths != 0 ? "-" : "";
    out += std::to_string(tenths / 10);
    out += separator;
    out += static_cast<char>('0' + tenths % 10);
    return out;
}

} // namespace kelvane
