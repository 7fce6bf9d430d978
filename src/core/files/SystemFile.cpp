#include "core/files/SystemFile.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <limits>

#include "core/files/AtomicFile.h"
#include "core/files/FileBytes.h"
#include "core/files/LegacySystemFile.h"

namespace kelvane {

namespace {

constexpr std::string_view RootTag = "KelvaneSystem";
constexpr std::string_view OrbitTag = "Orbit";
constexpr std::string_view FileVersionTag = "FileVersion";
constexpr std::string_view WarningTag = "Warning";
constexpr std::string_view SystemNameTag = "SystemName";
constexpr Distance FileVersion = Distance::FromTenths(35);
constexpr std::string_view WarningText =
    "This file is XML compatible, but NOT actually XML! The program that wrote this file requires this "
    "data to remain formatted with line breaks, so that each data item is on a separate line from each "
    "XML open/close tag.";

constexpr std::string_view SystemIndent = "  ";
constexpr std::string_view OrbitIndent = "    ";
constexpr std::string_view LineEnd = "\r\n";

// One numbered or text field of a record, named as its tag names it. Exactly
// one of the pointers is set.
template <class Record> struct Field {
    std::string_view name;
    std::int16_t Record::*whole16 = nullptr;
    std::int32_t Record::*whole32 = nullptr;
    Distance Record::*decimal = nullptr;
    ElementText Record::*elements = nullptr;
};

// The numeric fields of the system block after the name, in file order.
const Field<StarSystem> SystemFields[] = {
    {.name = "SystemType", .whole16 = &StarSystem::SystemType},
    {.name = "StarClass", .whole16 = &StarSystem::StarClass},
    {.name = "StarType", .whole32 = &StarSystem::StarType},
    {.name = "BiozoneMin", .decimal = &StarSystem::BiozoneMin},
    {.name = "BiozoneMax", .decimal = &StarSystem::BiozoneMax},
    {.name = "InnerLimit", .decimal = &StarSystem::InnerLimit},
};

// The nine items of an orbit block, in file order.
const Field<OrbitRecord> OrbitFields[] = {
    {.name = "Type", .whole32 = &OrbitRecord::Type},
    {.name = "Radius", .whole16 = &OrbitRecord::Radius},
    {.name = "Moons", .whole16 = &OrbitRecord::Moons},
    {.name = "Elements", .elements = &OrbitRecord::Elements},
    {.name = "AU", .decimal = &OrbitRecord::AU},
    {.name = "PosX", .whole16 = &OrbitRecord::PosX},
    {.name = "PosY", .whole16 = &OrbitRecord::PosY},
    {.name = "PosXArc", .whole16 = &OrbitRecord::PosXArc},
    {.name = "PosYArc", .whole16 = &OrbitRecord::PosYArc},
};

// ---- Writing ----------------------------------------------------------------

void AppendLine(std::string& out, std::string_view indent, std::string_view text)
{
    out += indent;
    out += text;
    out += LineEnd;
}

void AppendTag(std::string& out, std::string_view indent, std::string_view name, bool closing)
{
    out += indent;
    out += closing ? "</" : "<";
    out += name;
    out += '>';
    out += LineEnd;
}

void AppendWhole(std::string& out, std::int64_t value)
{
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

template <class Record>
void AppendValue(std::string& out, const Field<Record>& field, const Record& record, char separator)
{
    if (field.whole16)
        AppendWhole(out, record.*field.whole16);
    else if (field.whole32)
        AppendWhole(out, record.*field.whole32);
    else if (field.decimal)
        (record.*field.decimal).AppendTo(out, separator);
    else
        out += (record.*field.elements).View();
}

void AppendItem(std::string& out, std::string_view indent, std::string_view name, std::string_view value)
{
    AppendTag(out, indent, name, false);
    AppendLine(out, indent, value);
    AppendTag(out, indent, name, true);
}

template <class Record>
void AppendItem(std::string& out, std::string_view indent, const Field<Record>& field, const Record& record,
                char separator)
{
    AppendTag(out, indent, field.name, false);
    out += indent;
    AppendValue(out, field, record, separator);
    out += LineEnd;
    AppendTag(out, indent, field.name, true);
}

// ---- Reading ----------------------------------------------------------------

// Splits text into lines: a CR ends a line, an LF straight after it belongs
// to the break, and any other LF is part of the line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_pos >= m_text.size(); }
    // The number of the line Next returned last, counting from 1.
    int Number() const { return m_number; }

    // The next line; only when !AtEnd().
    std::string_view Next()
    {
        const std::size_t end = m_text.find('\r', m_pos);
        std::string_view line;
        if (end == std::string_view::npos) {
            line = m_text.substr(m_pos);
            m_pos = m_text.size();
        } else {
            line = m_text.substr(m_pos, end - m_pos);
            m_pos = end + 1;
            if (m_pos < m_text.size() && m_text[m_pos] == '\n')
                ++m_pos;
        }
        if (m_number < INT_MAX)
            ++m_number;
        return line;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_number = 0;
};

// Removes spaces, and only spaces, from both ends.
std::string_view StripSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsTag(std::string_view line, std::string_view name, bool closing)
{
    const std::size_t open = closing ? 2 : 1;
    return line.size() == name.size() + open + 1 && line.substr(0, open) == (closing ? "</" : "<") &&
           line.back() == '>' && line.substr(open, name.size()) == name;
}

// A value as a message shows it: cut when long, control bytes as \xNN.
std::string Shown(std::string_view text)
{
    constexpr std::size_t shown = 40;
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < shown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            constexpr char hex[] = "0123456789ABCDEF";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    if (text.size() > shown)
        out += "...";
    return out;
}

// Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) about the
// overlap of "'" + std::string&&, which inserts at the front.
std::string Quoted(std::string_view text)
{
    std::string out(1, '\'');
    out += Shown(text);
    out += '\'';
    return out;
}

// "-", digits, and optionally the separator and more digits, with at least
// one digit in all: the shape of a decimal. decimals counts the digits after
// the separator.
bool HasDecimalShape(std::string_view text, char separator, std::size_t& decimals)
{
    std::size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
        ++digits;
    }
    decimals = 0;
    if (i < text.size() && text[i] == separator) {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++decimals;
        }
    }
    return i == text.size() && digits + decimals > 0;
}

// "-" and digits only. Sets tooLarge instead of value when the number does
// not fit 64 bits.
bool ParseWhole(std::string_view text, std::int64_t& value, bool& tooLarge)
{
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    if (start == text.size())
        return false;
    for (std::size_t i = start; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    tooLarge =
        std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc::result_out_of_range;
    return true;
}

class TaggedReader {
public:
    TaggedReader(std::string_view text, StarSystem& system, char separator)
        : m_lines(text), m_system(system), m_separator(separator)
    {}

    FileResult Run()
    {
        while (!m_lines.AtEnd()) {
            const std::string_view line = StripSpaces(m_lines.Next());
            if (!ReadSystemItem(line))
                return m_error;
            if (IsTag(line, RootTag, true))
                break;
        }
        return FileResult::Done();
    }

private:
    // One line of the outer loop. Returns false on an error.
    bool ReadSystemItem(std::string_view line)
    {
        std::string_view value;
        if (IsTag(line, FileVersionTag, false) || IsTag(line, WarningTag, false))
            return ReadValue(line, value);
        if (IsTag(line, SystemNameTag, false)) {
            if (!ReadValue(line, value))
                return false;
            m_system.SystemName = std::string(value);
            return true;
        }
        for (const Field<StarSystem>& field : SystemFields)
            if (IsTag(line, field.name, false))
                return ReadValue(line, value) && Store(field, m_system, value);
        if (IsTag(line, OrbitTag, false))
            return ReadOrbitBlock();
        return true;
    }

    bool ReadOrbitBlock()
    {
        if (m_orbitCounter < INT_MAX)
            ++m_orbitCounter;
        while (!m_lines.AtEnd()) {
            const std::string_view line = StripSpaces(m_lines.Next());
            if (IsTag(line, OrbitTag, true))
                return true;
            for (const Field<OrbitRecord>& field : OrbitFields) {
                if (!IsTag(line, field.name, false))
                    continue;
                if (m_orbitCounter > StarSystem::OrbitCount)
                    return Fail(m_lines.Number(), std::string(line) + " in orbit block " +
                                                      std::to_string(m_orbitCounter) +
                                                      ", but a system has only ten orbits");
                std::string_view value;
                if (!ReadValue(line, value) || !Store(field, m_system.Orbit(m_orbitCounter), value))
                    return false;
                break;
            }
        }
        return true;
    }

    // The line after the tag line, stripped of spaces.
    bool ReadValue(std::string_view tag, std::string_view& value)
    {
        if (m_lines.AtEnd())
            return Fail(m_lines.Number(), std::string(tag) + " has no value line; the file ends there");
        value = StripSpaces(m_lines.Next());
        return true;
    }

    template <class Record> bool Store(const Field<Record>& field, Record& record, std::string_view value)
    {
        if (field.elements) {
            record.*field.elements = value;
            return true;
        }
        if (field.decimal) {
            if (const auto distance = Distance::Parse(value, m_separator)) {
                record.*field.decimal = *distance;
                return true;
            }
            std::size_t decimals = 0;
            if (!HasDecimalShape(value, m_separator, decimals))
                return NotANumber(field.name, value);
            if (decimals > 4)
                return Fail(m_lines.Number(),
                            Quoted(value) + " has more than four decimals (" + std::string(field.name) + ")");
            return DoesNotFit(field.name, value,
                              Distance::FromUnits(std::numeric_limits<std::int64_t>::min()),
                              Distance::FromUnits(std::numeric_limits<std::int64_t>::max()));
        }
        std::int64_t number = 0;
        bool tooLarge = false;
        if (!ParseWhole(value, number, tooLarge)) {
            std::size_t decimals = 0;
            if (HasDecimalShape(value, m_separator, decimals))
                return Fail(m_lines.Number(),
                            Quoted(value) + " is not a whole number (" + std::string(field.name) + ")");
            return NotANumber(field.name, value);
        }
        if (field.whole16)
            return StoreWhole(record.*field.whole16, field.name, value, number, tooLarge);
        return StoreWhole(record.*field.whole32, field.name, value, number, tooLarge);
    }

    template <typename Integer>
    bool StoreWhole(Integer& target, std::string_view name, std::string_view text, std::int64_t number,
                    bool tooLarge)
    {
        using Limits = std::numeric_limits<Integer>;
        if (tooLarge || number < Limits::min() || number > Limits::max())
            return DoesNotFit(name, text, std::to_string(Limits::min()), std::to_string(Limits::max()));
        target = static_cast<Integer>(number);
        return true;
    }

    bool NotANumber(std::string_view name, std::string_view value)
    {
        const std::string what = value.empty() ? "an empty line" : Quoted(value);
        return Fail(m_lines.Number(), what + " is not a number (" + std::string(name) + ")");
    }

    bool DoesNotFit(std::string_view name, std::string_view value, Distance low, Distance high)
    {
        return DoesNotFit(name, value, low.Format(m_separator), high.Format(m_separator));
    }

    bool DoesNotFit(std::string_view name, std::string_view value, const std::string& low,
                    const std::string& high)
    {
        return Fail(m_lines.Number(), Shown(value) + " does not fit in " + std::string(name) + " (" + low +
                                          " to " + high + ")");
    }

    bool Fail(int line, const std::string& what)
    {
        m_error = FileResult::BadContent("line " + std::to_string(line) + ": " + what, line);
        return false;
    }

    LineReader m_lines;
    StarSystem& m_system;
    char m_separator;
    int m_orbitCounter = 0;
    FileResult m_error;
};

} // namespace

std::string SystemFileText(const StarSystem& system, char decimalSeparator)
{
    std::string out;
    out.reserve(8192 + system.SystemName.size());
    AppendTag(out, "", RootTag, false);
    AppendItem(out, SystemIndent, FileVersionTag, FileVersion.Format(decimalSeparator));
    AppendItem(out, SystemIndent, WarningTag, WarningText);
    AppendItem(out, SystemIndent, SystemNameTag, system.SystemName);
    for (const Field<StarSystem>& field : SystemFields)
        AppendItem(out, SystemIndent, field, system, decimalSeparator);
    for (const OrbitRecord& orbit : system.Orbits) {
        AppendTag(out, SystemIndent, OrbitTag, false);
        for (const Field<OrbitRecord>& field : OrbitFields)
            AppendItem(out, OrbitIndent, field, orbit, decimalSeparator);
        AppendTag(out, SystemIndent, OrbitTag, true);
    }
    AppendTag(out, "", RootTag, true);
    return out;
}

FileResult SaveSystemFile(const StarSystem& system, const std::string& path, char decimalSeparator)
{
    std::string reason = ReplaceFileContents(path, SystemFileText(system, decimalSeparator));
    if (!reason.empty())
        return FileResult::CannotAccess(std::move(reason));
    return FileResult::Done();
}

bool IsTaggedSystemText(std::string_view bytes)
{
    LineReader lines(bytes);
    return !lines.AtEnd() && IsTag(StripSpaces(lines.Next()), RootTag, false);
}

FileResult ReadSystemText(std::string_view text, StarSystem& system, char decimalSeparator)
{
    return TaggedReader(text, system, decimalSeparator).Run();
}

FileResult ReadSystemFileBytes(std::string_view bytes, StarSystem& system, char decimalSeparator)
{
    if (bytes.empty())
        return FileResult::BadContent("the file is empty");
    if (IsTaggedSystemText(bytes))
        return ReadSystemText(bytes, system, decimalSeparator);
    return ReadLegacySystem(bytes, system);
}

FileResult LoadSystemFile(AppState& app, const std::string& path, char decimalSeparator)
{
    std::string bytes;
    FileResult result = ReadFileBytes(path, bytes);
    if (result.Ok())
        result = ReadSystemFileBytes(bytes, app.system, decimalSeparator);
    if (result.Ok()) {
        app.CurrentFileName = path;
        if (app.UpdateDisplayCaption)
            app.UpdateDisplayCaption();
    }
    return result;
}

} // namespace kelvane
