#include "core/export/SystemWriters.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>

#include "core/model/Codes.h"
#include "core/model/NumberText.h"

namespace kelvane {

namespace {

template <typename Int> void AppendInt(std::string& out, Int value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// ---- CSV: written straight into the output, the star's columns once ----

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
// most to 54), distance and the four positions, ending in a newline.
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
    return WriteNumber(p, orbit.PosYArc, '\n');
}

// ---- JSON and text ----

// Length of the valid UTF-8 sequence starting at text[i], or 0 if none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    return length;
}

// A JSON string. Names come from files of any age: bytes that are not valid
// UTF-8 are taken as Latin-1, so every name prints as valid JSON.
void AppendJsonString(std::string& out, std::string_view text)
{
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : Utf8SequenceLength(text, i);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F || length == 0) {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out.append(text, i, length);
            i += length - 1;
        }
    }
    out += '"';
}

void AppendPadded(std::string& out, std::string_view text, std::size_t width, bool right)
{
    const std::size_t pad = text.size() < width ? width - text.size() : 0;
    if (right)
        out.append(pad, ' ');
    out += text;
    if (!right)
        out.append(pad, ' ');
}

} // namespace

const char* ContentsKeyword(std::int32_t type)
{
    if (type == TypeNothing)
        return "nothing";
    if (type == TypeAsteroids)
        return "asteroids";
    if (IsEnvironment(type))
        return "planet";
    return "unknown";
}

void AppendCsvHeader(std::string& out)
{
    out += "system,name,star_class,star_type,biozone_min,biozone_max,inner_limit,orbit,type,radius,"
           "moons,elements,au,pos_x,pos_y,pos_x_arc,pos_y_arc\n";
}

void AppendCsvRows(std::string& out, const StarSystem& system, std::uint64_t systemNumber)
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

    out.resize(start + StarSystem::OrbitCount * (starLength + MaxOrbitColumns));
    const char* const star = out.data() + start;
    p = out.data() + start + starLength;
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        if (n > 1)
            p = std::copy_n(star, starLength, p);
        p = WriteOrbitColumns(p, system.Orbit(n), n);
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
}

void AppendJson(std::string& out, const StarSystem& system, int indent)
{
    const std::string pad(static_cast<std::size_t>(indent), ' ');
    const std::string field = pad + "  ";
    const auto key = [&](const char* name) {
        out += field;
        out += '"';
        out += name;
        out += "\": ";
    };

    out += pad;
    out += "{\n";
    key("name");
    AppendJsonString(out, system.SystemName);
    out += ",\n";
    key("systemType");
    AppendInt(out, system.SystemType);
    out += ",\n";
    key("starClass");
    AppendInt(out, system.StarClass);
    out += ",\n";
    key("starClassName");
    AppendJsonString(out, StarClassName(system.StarClass));
    out += ",\n";
    key("starType");
    AppendInt(out, system.StarType);
    out += ",\n";
    key("starTypeName");
    AppendJsonString(out, StarTypeName(system.StarType, system.StarClass));
    out += ",\n";
    key("biozoneMin");
    system.BiozoneMin.AppendTo(out);
    out += ",\n";
    key("biozoneMax");
    system.BiozoneMax.AppendTo(out);
    out += ",\n";
    key("innerLimit");
    system.InnerLimit.AppendTo(out);
    out += ",\n";
    key("orbits");
    out += "[\n";
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        const OrbitRecord& orbit = system.Orbit(n);
        out += field;
        out += "  {\"orbit\": ";
        AppendInt(out, n);
        out += R"(, "contents": ")";
        out += ContentsKeyword(orbit.Type);
        out += R"(", "environment": )";
        if (IsEnvironment(orbit.Type))
            AppendJsonString(out, EnvironmentName(orbit.Type));
        else
            out += "null";
        out += ", \"type\": ";
        AppendInt(out, orbit.Type);
        out += ", \"radius\": ";
        AppendInt(out, orbit.Radius);
        out += ", \"moons\": ";
        AppendInt(out, orbit.Moons);
        out += ", \"elements\": ";
        AppendJsonString(out, orbit.Elements.View());
        out += ", \"au\": ";
        orbit.AU.AppendTo(out);
        out += ", \"posX\": ";
        AppendInt(out, orbit.PosX);
        out += ", \"posY\": ";
        AppendInt(out, orbit.PosY);
        out += ", \"posXArc\": ";
        AppendInt(out, orbit.PosXArc);
        out += ", \"posYArc\": ";
        AppendInt(out, orbit.PosYArc);
        out += n < StarSystem::OrbitCount ? "},\n" : "}\n";
    }
    out += field;
    out += "]\n";
    out += pad;
    out += '}';
}

void AppendText(std::string& out, const StarSystem& system, char decimalSeparator)
{
    const auto line = [&](std::string_view caption, std::string_view value) {
        AppendPadded(out, caption, 16, false);
        out += value;
        out += '\n';
    };
    line("System Name", system.SystemName);
    line("Star Type", StarTypeName(system.StarType, system.StarClass));
    line("Star Class", StarClassName(system.StarClass));
    line("Habitable Zone",
         ShortNumberText(system.BiozoneMin) + " to " + ShortNumberText(system.BiozoneMax) + " AUs");
    out += '\n';
    out += "Orbit  Contains   Environment  Moons      AUs  Elements\n";
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        const OrbitRecord& orbit = system.Orbit(n);
        const std::string_view contents = ContentsName(orbit.Type);
        std::string moons;
        if (IsEnvironment(orbit.Type))
            AppendInt(moons, orbit.Moons);
        AppendPadded(out, std::to_string(n), 5, true);
        out += "  ";
        AppendPadded(out, contents, 11, false);
        AppendPadded(out, EnvironmentName(orbit.Type), 11, false);
        AppendPadded(out, moons, 7, true);
        AppendPadded(out, OneDecimalText(orbit.AU, decimalSeparator), 9, true);
        out += "  ";
        out += orbit.Elements.View();
        // No trailing spaces on a line of a table meant for reading.
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        out += '\n';
    }
}

} // namespace kelvane
