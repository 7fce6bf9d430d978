#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// A distance in astronomical units, held exactly as a signed count of
// ten-thousandths of an AU (1.5 AU is 15000). Sums, differences and products
// with whole numbers are exact; a value that went through floating point
// comes back through FromDouble, the one place where rounding happens.
class Distance {
public:
    static constexpr std::int64_t UnitsPerAU = 10000;

    constexpr Distance() = default;

    static constexpr Distance FromUnits(std::int64_t units) { return Distance(units); }
    // Whole and tenths of an AU, for tables written the way people read them.
    static constexpr Distance FromTenths(std::int64_t tenths) { return Distance(tenths * 1000); }
    static constexpr Distance FromHundredths(std::int64_t hundredths) { return Distance(hundredths * 100); }

    // The nearest ten-thousandth to value AUs, halves to the even neighbour:
    // value * 10000 in double precision, rounded to a whole number there
    // (0.03125 gives 0.0312, 0.09375 gives 0.0938, 0.2 gives 0.2).
    // NaN gives 0; values beyond the range of the type are clamped to it.
    static Distance FromDouble(double value);

    // Parses "[-]digits[<separator>digits]" with at most four decimals, no
    // spaces, no exponent, at least one digit; a decimal part may stand alone
    // (".75") and a separator may end the text ("2."). Anything else, and any
    // value beyond the range of the type, gives nothing.
    static std::optional<Distance> Parse(std::string_view text, char separator = '.');

    constexpr std::int64_t Units() const { return m_units; }
    double ToDouble() const { return static_cast<double>(m_units) / UnitsPerAU; }

    // The shortest exact decimal text: "0.75", "2", "0.0125", "-1.5".
    std::string Format(char separator = '.') const;
    // Appends Format's text to out without a temporary; returns out.
    std::string& AppendTo(std::string& out, char separator = '.') const;
    // Writes Format's text at p, at most MaxTextLength characters; returns
    // the end of what it wrote.
    static constexpr std::size_t MaxTextLength = 21;
    char* FormatTo(char* p, char separator = '.') const;

    constexpr Distance operator+(Distance other) const { return Distance(m_units + other.m_units); }
    constexpr Distance operator-(Distance other) const { return Distance(m_units - other.m_units); }
    constexpr Distance operator*(std::int64_t factor) const { return Distance(m_units * factor); }
    constexpr Distance operator-() const { return Distance(-m_units); }
    constexpr Distance& operator+=(Distance other)
    {
        m_units += other.m_units;
        return *this;
    }
    constexpr Distance& operator-=(Distance other)
    {
        m_units -= other.m_units;
        return *this;
    }

    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 takes the defaulted comparison's 0 for a pointer
    constexpr auto operator<=>(const Distance&) const = default;

private:
    constexpr explicit Distance(std::int64_t units) : m_units(units) {}

    std::int64_t m_units = 0;
};

} // namespace kelvane
