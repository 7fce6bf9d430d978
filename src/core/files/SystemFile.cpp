#include "core/files/SystemFile.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "core/files/FileBytes.h"
#include "core/files/LegacySystemFile.h"
#include "platform/AtomicFile.h"

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

// The fixed text of the file around its values: joint 0 comes before the
// first value (the file version), joint k after the k-th, in the order in
// which SystemFileText writes the values. Made once, so that a file is
// written in about two hundred pieces rather than a thousand.
const std::vector<std::string>& Joints()
{
    static const std::vector<std::string> joints = [] {
        std::vector<std::string> out(1);
        // A tag line, then the value line's indentation; the value; then the
        // rest of the value line and the closing tag line.
        const auto item = [&out](std::string_view indent, std::string_view name) {
            AppendTag(out.back(), indent, name, false);
            out.back() += indent;
            out.emplace_back(LineEnd);
            AppendTag(out.back(), indent, name, true);
        };
        AppendTag(out.back(), "", RootTag, false);
        item(SystemIndent, FileVersionTag);
        AppendTag(out.back(), SystemIndent, WarningTag, false);
        AppendLine(out.back(), SystemIndent, WarningText);
        AppendTag(out.back(), SystemIndent, WarningTag, true);
        item(SystemIndent, SystemNameTag);
        for (const Field<StarSystem>& field : SystemFields)
            item(SystemIndent, field.name);
        for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
            AppendTag(out.back(), SystemIndent, OrbitTag, false);
            for (const Field<OrbitRecord>& field : OrbitFields)
                item(OrbitIndent, field.name);
            AppendTag(out.back(), SystemIndent, OrbitTag, true);
        }
        AppendTag(out.back(), "", RootTag, true);
        return out;
    }();
    return joints;
}

// ---- Reading ----------------------------------------------------------------

// Splits text into lines: a CR ends a line, an LF straight after it belongs
// to the break, and any other LF is part of the line. Every line is taken
// without the spaces at its ends, as the reader uses it.
//
// Plain pointer loops: the reader sees every line of a file, and under the
// sanitizers and the fuzzer's tracing each library call on a line costs more
// than the scan itself.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_pos(text.data()), m_end(text.data() + text.size()) {}

    bool AtEnd() const { return m_pos == m_end; }
    // The number of the line Next returned last, counting from 1.
    int Number() const { return m_number; }

    // The next line, stripped of spaces (only spaces; tabs stay); only when
    // !AtEnd().
    std::string_view Next()
    {
        const char* start = m_pos;
        const void* cr = std::memchr(start, '\r', static_cast<std::size_t>(m_end - start));
        const char* stop = cr != nullptr ? static_cast<const char*>(cr) : m_end;
        m_pos = stop;
        if (m_pos != m_end) {
            ++m_pos;
            if (m_pos != m_end && *m_pos == '\n')
                ++m_pos;
        }
        if (m_number < INT_MAX)
            ++m_number;
        while (start != stop && *start == ' ')
            ++start;
        while (stop != start && stop[-1] == ' ')
            --stop;
        return {start, static_cast<std::size_t>(stop - start)};
    }

private:
    const char* m_pos;
    const char* m_end;
    int m_number = 0;
};

// A line read as a tag: "<Name>" or "</Name>". Tags count only as whole
// stripped lines, so anything else (text around the brackets, an empty
// name) is no tag at all.
struct TagLine {
    std::string_view name; // empty when the line is no tag
    bool closing = false;

    bool Is(std::string_view wanted, bool wantClosing) const
    {
        return !name.empty() && closing == wantClosing && name == wanted;
    }
};

TagLine ReadTag(std::string_view line)
{
    if (line.size() < 3 || line.front() != '<' || line.back() != '>')
        return {};
    const bool closing = line[1] == '/';
    const std::size_t start = closing ? 2 : 1;
    return {{line.data() + start, line.size() - 1 - start}, closing};
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

std::string Quoted(std::string_view text)
{
    // Appended piece by piece: GCC 12 at -O3 takes "'" + string + "'" for an
    // overlapping copy and warns (-Wrestrict) where there is none.
    std::string quoted = "'";
    quoted += Shown(text);
    quoted += '\'';
    return quoted;
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
            const std::string_view line = m_lines.Next();
            const TagLine tag = ReadTag(line);
            if (tag.Is(RootTag, true))
                break;
            if (!tag.name.empty() && !tag.closing && !ReadSystemItem(line, tag.name))
                return m_error;
        }
        return FileResult::Done();
    }

private:
    // The item that the opening tag line names. Returns false on an error.
    bool ReadSystemItem(std::string_view line, std::string_view name)
    {
        std::string_view value;
        if (name == FileVersionTag || name == WarningTag)
            return ReadValue(line, value);
        if (name == SystemNameTag) {
            if (!ReadValue(line, value))
                return false;
            m_system.SystemName = std::string(value);
            return true;
        }
        for (const Field<StarSystem>& field : SystemFields)
            if (name == field.name)
                return ReadValue(line, value) && Store(field, m_system, value);
        if (name == OrbitTag)
            return ReadOrbitBlock();
        return true;
    }

    bool ReadOrbitBlock()
    {
        if (m_orbitCounter < INT_MAX)
            ++m_orbitCounter;
        while (!m_lines.AtEnd()) {
            const std::string_view line = m_lines.Next();
            const TagLine tag = ReadTag(line);
            if (tag.name.empty())
                continue;
            if (tag.closing) {
                if (tag.name == OrbitTag)
                    return true;
                continue;
            }
            for (const Field<OrbitRecord>& field : OrbitFields) {
                if (tag.name != field.name)
                    continue;
                if (m_orbitCounter > StarSystem::OrbitCount)
                    return Fail(
                        m_lines.Number(),
                        Message(KELVANE_TEXT("CoreText",
                                             "%1 in orbit block %2, but a system has only ten orbits"),
                                line, m_orbitCounter));
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
            return Fail(m_lines.Number(),
                        Message(KELVANE_TEXT("CoreText", "%1 has no value line; the file ends there"), tag));
        value = m_lines.Next();
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
                            Message(KELVANE_TEXT("CoreText", "%1 has more than four decimals (%2)"),
                                    Quoted(value), field.name));
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
                            Message(KELVANE_TEXT("CoreText", "%1 is not a whole number (%2)"), Quoted(value),
                                    field.name));
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
        if (value.empty())
            return Fail(m_lines.Number(),
                        Message(KELVANE_TEXT("CoreText", "an empty line is not a number (%1)"), name));
        return Fail(m_lines.Number(),
                    Message(KELVANE_TEXT("CoreText", "%1 is not a number (%2)"), Quoted(value), name));
    }

    bool DoesNotFit(std::string_view name, std::string_view value, Distance low, Distance high)
    {
        return DoesNotFit(name, value, low.Format(m_separator), high.Format(m_separator));
    }

    bool DoesNotFit(std::string_view name, std::string_view value, const std::string& low,
                    const std::string& high)
    {
        return Fail(m_lines.Number(), Message(KELVANE_TEXT("CoreText", "%1 does not fit in %2 (%3 to %4)"),
                                              Shown(value), name, low, high));
    }

    bool Fail(int line, const Message& what)
    {
        m_error = FileResult::BadContent(Message(KELVANE_TEXT("CoreText", "line %1: "), line) + what, line);
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
    auto joint = Joints().begin();
    std::string out;
    out.reserve(8192 + system.SystemName.size());
    out += *joint++;
    FileVersion.AppendTo(out, decimalSeparator);
    out += *joint++;
    out += system.SystemName;
    out += *joint++;
    for (const Field<StarSystem>& field : SystemFields) {
        AppendValue(out, field, system, decimalSeparator);
        out += *joint++;
    }
    for (const OrbitRecord& orbit : system.Orbits) {
        for (const Field<OrbitRecord>& field : OrbitFields) {
            AppendValue(out, field, orbit, decimalSeparator);
            out += *joint++;
        }
    }
    return out;
}

FileResult SaveSystemFile(const StarSystem& system, const std::string& path, char decimalSeparator)
{
    std::string reason = ReplaceFileContents(path, SystemFileText(system, decimalSeparator));
    if (!reason.empty())
        return FileResult::CannotAccess(Message(std::move(reason)));
    return FileResult::Done();
}

bool IsTaggedSystemText(std::string_view bytes)
{
    LineReader lines(bytes);
    return !lines.AtEnd() && ReadTag(lines.Next()).Is(RootTag, false);
}

FileResult ReadSystemText(std::string_view text, StarSystem& system, char decimalSeparator)
{
    return TaggedReader(text, system, decimalSeparator).Run();
}

FileResult ReadSystemFileBytes(std::string_view bytes, StarSystem& system, char decimalSeparator)
{
    if (bytes.empty())
        return FileResult::BadContent(Message(KELVANE_TEXT("CoreText", "the file is empty")));
    if (IsTaggedSystemText(bytes))
        return ReadSystemText(bytes, system, decimalSeparator);
    return ReadLegacySystem(bytes, system);
}

FileResult LoadSystemFile(StarSystem& system, const std::string& path, char decimalSeparator)
{
    std::string bytes;
    FileResult result = ReadFileBytes(path, bytes);
    if (result.Ok())
        result = ReadSystemFileBytes(bytes, system, decimalSeparator);
    return result;
}

} // namespace kelvane
