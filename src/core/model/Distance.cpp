#include "core/model/Distance.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kelvane {

Distance Distance::FromDouble(double value)
{
    if (std::isnan(value))
        return Distance();
    // nearbyint follows the default rounding mode, round to nearest, ties to even.
    const double scaled = std::nearbyint(value * static_cast<double>(UnitsPerAU));
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double limit = 9223372036854775808.0;
    if (scaled >= limit)
        return Distance(std::numeric_limits<std::int64_t>::max());
    if (scaled < -limit)
        return Distance(std::numeric_limits<std::int64_t>::min());
    return Distance(static_cast<std::int64_t>(scaled));
}

std::optional<Distance> Distance::Parse(std::string_view text, char separator)
{
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative)
        ++i;

    // Accumulate the magnitude as a negative number so that the most negative
    // value of the type parses too.
    constexpr std::int64_t minValue = std::numeric_limits<std::int64_t>::min();
    std::int64_t whole = 0;
    bool anyDigit = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (whole < (minValue + digit) / 10)
            return std::nullopt;
        whole = whole * 10 - digit;
        anyDigit = true;
    }

    std::int64_t fraction = 0;
    if (i < text.size() && text[i] == separator) {
        ++i;
        int decimals = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (++decimals > 4)
                return std::nullopt;
            fraction = fraction * 10 + (text[i] - '0');
            anyDigit = true;
        }
        for (; decimals < 4; ++decimals)
            fraction *= 10;
    }
    if (!anyDigit || i != text.size())
        return std::nullopt;

    if (whole < (minValue + fraction) / UnitsPerAU)
        return std::nullopt;
    const std::int64_t negated = whole * UnitsPerAU - fraction;
    if (negative)
        return Distance(negated);
    if (negated == minValue)
        return std::nullopt;
    return Distance(-negated);
}

char* Distance::FormatTo(char* p, char separator) const
{
    // Work on the magnitude as unsigned so that the most negative value is fine.
    const std::uint64_t magnitude =
        m_units < 0 ? 0 - static_cast<std::uint64_t>(m_units) : static_cast<std::uint64_t>(m_units);
    if (m_units < 0)
        *p++ = '-';
    constexpr int mostWholeDigits = 20;
    p = std::to_chars(p, p + mostWholeDigits, magnitude / UnitsPerAU).ptr;
    std::uint64_t fraction = magnitude % UnitsPerAU;

    if (fraction != 0) {
        *p++ = separator;
        int width = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --width;
        }
        for (int k = width - 1; k >= 0; --k) {
            p[k] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        p += width;
    }
    return p;
}

std::string& Distance::AppendTo(std::string& out, char separator) const
{
    char text[MaxTextLength];
    return out.append(text, FormatTo(text, separator));
}

std::string Distance::Format(char separator) const
{
    std::string out;
    return AppendTo(out, separator);
}

} // namespace kelvane
