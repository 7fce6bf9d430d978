#include "core/export/SystemCsv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <string_view>

namespace kelvane {

namespace {

constexpr bool IsCsvSpecial(char c)
{
    return c == ',' || c == '"' || c == '\r' || c == '\n';
}

bool NeedsCsvQuotes(std::string_view field)
{
    return std::any_of(field.begin(), field.end(), IsCsvSpecial);
}

// Eight bytes at a time: a byte equal to c leaves a zero byte in
// word ^ (c in every byte), and (x - 0x01..01) & ~x & 0x80..80 is non-zero
// exactly when x has a zero byte.
constexpr std::uint64_t EveryByte = 0x0101010101010101ull;

constexpr bool HasZeroByte(std::uint64_t x)
{
    return ((x - EveryByte) & ~x & (EveryByte * 0x80)) != 0;
}

constexpr bool WordNeedsCsvQuotes(std::uint64_t word)
{
    return HasZeroByte(word ^ (EveryByte * ',')) || HasZeroByte(word ^ (EveryByte * '"')) ||
           HasZeroByte(word ^ (EveryByte * '\r')) || HasZeroByte(word ^ (EveryByte * '\n'));
}

// The 26 bytes of an element text as four words, the last overlapping the third.
bool ElementsNeedCsvQuotes(const ElementText& elements)
{
    static_assert(ElementText::Length > 16 && ElementText::Length <= 32);
    const char* text = elements.View().data();
    std::uint64_t words[4];
    std::memcpy(&words[0], text, 8);
    std::memcpy(&words[1], text + 8, 8);
    std::memcpy(&words[2], text + 16, 8);
    std::memcpy(&words[3], text + ElementText::Length - 8, 8);
    return WordNeedsCsvQuotes(words[0]) || WordNeedsCsvQuotes(words[1]) || WordNeedsCsvQuotes(words[2]) ||
           WordNeedsCsvQuotes(words[3]);
}

// The most characters a number of type Int takes, its sign included.
template <typename Int> constexpr std::size_t MaxDigits = std::numeric_limits<Int>::digits10 + 2;

// "00" to "99", two digits at a time.
constexpr auto DigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// How many decimal digits value has.
constexpr int DecimalLength(std::uint32_t value)
{
    int length = 1;
    for (std::uint32_t limit = 10; length < 10 && value >= limit; limit *= 10)
        ++length;
    return length;
}

// The digits of value at p, two at a time from the end: most numbers of a
// system are short, and this is where CSV spends its time.
char* WriteDigits(char* p, std::uint32_t value)
{
    char* const end = p + DecimalLength(value);
    char* q = end;
    while (value >= 100) {
        q -= 2;
        std::memcpy(q, &DigitPairs[2 * (value % 100)], 2);
        value /= 100;
    }
    if (value >= 10)
        std::memcpy(q - 2, &DigitPairs[2 * value], 2);
    else
        q[-1] = static_cast<char>('0' + value);
    return end;
}

// A whole number at p, followed by separator: at most MaxDigits + 1 bytes.
template <typename Int> char* WriteNumber(char* p, Int value, char separator)
{
    static_assert(sizeof(Int) <= sizeof(std::uint32_t));
    auto magnitude = static_cast<std::uint32_t>(value);
    if (value < 0) {
        *p++ = '-';
        magnitude = 0 - magnitude;
    }
    p = WriteDigits(p, magnitude);
    *p++ = separator;
    return p;
}

char* WriteDistance(char* p, Distance value, char separator)
{
    p = value.FormatTo(p);
    *p++ = separator;
    return p;
}

// The field at p, in quotes with its own quotes doubled when quoted: at most
// 2 * size + 2 bytes.
char* WriteCsvField(char* p, std::string_view field, bool quoted, char separator)
{
    if (!quoted) {
        p = std::copy(field.begin(), field.end(), p);
    } else {
        *p++ = '"';
        for (char c : field) {
            if (c == '"')
                *p++ = '"';
            *p++ = c;
        }
        *p++ = '"';
    }
    *p++ = separator;
    return p;
}

// The elements, as WriteCsvField writes them; the usual 26 bytes without
// quotes in one copy of a known size.
char* WriteElements(char* p, const ElementText& elements, char separator)
{
    if (ElementsNeedCsvQuotes(elements))
        return WriteCsvField(p, elements.View(), true, separator);
    std::memcpy(p, elements.View().data(), ElementText::Length);
    p += ElementText::Length;
    *p++ = separator;
    return p;
}

// The star's columns: system number, name, class, type, the zone and the
// inner limit, each followed by a comma.
constexpr std::size_t MaxStarColumns(std::size_t nameLength)
{
    return (MaxDigits<std::uint64_t> + 1) + (2 * nameLength + 3) +
           (MaxDigits<decltype(StarSystem::StarClass)> + 1) +
           (MaxDigits<decltype(StarSystem::StarType)> + 1) + 3 * (Distance::MaxTextLength + 1);
}

// The orbit's columns: number, type, radius, moons, elements (quoted at
// most to 54), distance and the four positions, each followed by a comma.
constexpr std::size_t MaxOrbitColumns =
    (MaxDigits<int> + 1) + (MaxDigits<decltype(OrbitRecord::Type)> + 1) +
    (MaxDigits<decltype(OrbitRecord::Radius)> + 1) + (MaxDigits<decltype(OrbitRecord::Moons)> + 1) +
    (2 * ElementText::Length + 3) + (Distance::MaxTextLength + 1) +
    (MaxDigits<decltype(OrbitRecord::PosX)> + 1) + (MaxDigits<decltype(OrbitRecord::PosY)> + 1) +
    (MaxDigits<decltype(OrbitRecord::PosXArc)> + 1) + (MaxDigits<decltype(OrbitRecord::PosYArc)> + 1);

char* WriteOrbitColumns(char* p, const OrbitRecord& orbit, int n)
{
    p = WriteNumber(p, n, ',');
    p = WriteNumber(p, orbit.Type, ',');
    p = WriteNumber(p, orbit.Radius, ',');
    p = WriteNumber(p, orbit.Moons, ',');
    p = WriteElements(p, orbit.Elements, ',');
    p = WriteDistance(p, orbit.AU, ',');
    p = WriteNumber(p, orbit.PosX, ',');
    p = WriteNumber(p, orbit.PosY, ',');
    p = WriteNumber(p, orbit.PosXArc, ',');
    return WriteNumber(p, orbit.PosYArc, ',');
}

} // namespace

void AppendCsvHeader(std::string& out)
{
    out += "system,name,star_class,star_type,biozone_min,biozone_max,inner_limit,orbit,type,radius,"
           "moons,elements,au,pos_x,pos_y,pos_x_arc,pos_y_arc,code\n";
}

void AppendCsvRows(std::string& out, const StarSystem& system, std::uint64_t systemNumber,
                   std::string_view code)
{
    // out grows once for the star's columns and once for all ten rows, and
    // the columns are written in place; rows 2 to 10 copy the star's columns
    // of row 1.
    const std::size_t start = out.size();
    const std::string_view name = system.SystemName;
    out.resize(start + MaxStarColumns(name.size()));
    char* p = out.data() + start;
    p = std::to_chars(p, p + MaxDigits<std::uint64_t>, systemNumber).ptr;
    *p++ = ',';
    p = WriteCsvField(p, name, NeedsCsvQuotes(name), ',');
    p = WriteNumber(p, system.StarClass, ',');
    p = WriteNumber(p, system.StarType, ',');
    p = WriteDistance(p, system.BiozoneMin, ',');
    p = WriteDistance(p, system.BiozoneMax, ',');
    p = WriteDistance(p, system.InnerLimit, ',');
    const auto starLength = static_cast<std::size_t>(p - (out.data() + start));

    const bool quoteCode = NeedsCsvQuotes(code);
    out.resize(start + StarSystem::OrbitCount * (starLength + MaxOrbitColumns + 2 * code.size() + 3));
    const char* const star = out.data() + start;
    p = out.data() + start + starLength;
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        if (n > 1)
            p = std::copy_n(star, starLength, p);
        p = WriteOrbitColumns(p, system.Orbit(n), n);
        p = WriteCsvField(p, code, quoteCode, '\n');
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
}

} // namespace kelvane
