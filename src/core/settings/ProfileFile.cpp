#include "core/settings/ProfileFile.h"

#include "platform/AtomicFile.h"
#include "platform/WholeFile.h"

namespace kelvane {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

// One line of a text: its content runs from begin to end, its line ending
// (if any) from end to next.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;

    bool HasLineEnding() const { return next > end; }
};

Line LineAt(std::string_view text, std::size_t begin)
{
    Line line;
    line.begin = begin;
    const std::size_t newline = text.find('\n', begin);
    if (newline == std::string_view::npos) {
        line.end = line.next = text.size();
        return line;
    }
    line.end = newline;
    line.next = newline + 1;
    if (line.end > begin && text[line.end - 1] == '\r')
        --line.end;
    return line;
}

enum class LineKind { Other, Section, Key };

struct LineMeaning {
    LineKind kind = LineKind::Other;
    std::string_view name;  // the section name or the key
    std::string_view value; // of a key line
};

LineMeaning Meaning(std::string_view content)
{
    LineMeaning meaning;
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
        return meaning;
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            meaning.kind = LineKind::Section;
            meaning.name = Trim(trimmed.substr(1, close - 1));
        }
        return meaning;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return meaning;
    const std::string_view key = Trim(trimmed.substr(0, equals));
    if (key.empty())
        return meaning;
    meaning.kind = LineKind::Key;
    meaning.name = key;
    meaning.value = Trim(trimmed.substr(equals + 1));
    return meaning;
}

// Where a key is, or would go, in a text.
struct KeyPlace {
    bool sectionFound = false;
    bool keyFound = false;
    Line keyLine;      // when keyFound
    Line lastLine;     // the section's last key line, or its header when it holds no key
    std::string value; // when keyFound
};

KeyPlace FindKey(std::string_view text, std::string_view section, std::string_view key)
{
    KeyPlace place;
    std::size_t position = 0;
    while (position < text.size()) {
        const Line line = LineAt(text, position);
        position = line.next;
        const LineMeaning meaning = Meaning(text.substr(line.begin, line.end - line.begin));
        if (meaning.kind == LineKind::Section) {
            if (place.sectionFound)
                break; // the first section of that name has ended
            if (SameName(meaning.name, section)) {
                place.sectionFound = true;
                place.lastLine = line;
            }
        } else if (meaning.kind == LineKind::Key && place.sectionFound) {
            if (SameName(meaning.name, key)) {
                place.keyFound = true;
                place.keyLine = line;
                place.value = std::string(meaning.value);
                break;
            }
            place.lastLine = line;
        }
    }
    return place;
}

std::string_view LineEndingOf(std::string_view text)
{
    const std::size_t newline = text.find('\n');
    if (newline == std::string_view::npos)
        return "\r\n";
    return newline > 0 && text[newline - 1] == '\r' ? "\r\n" : "\n";
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Whether the last line of text, which ends with a line ending, is blank.
bool EndsWithBlankLine(std::string_view text)
{
    text.remove_suffix(1); // the '\n'
    const std::size_t previous = text.rfind('\n');
    const std::string_view last = previous == std::string_view::npos ? text : text.substr(previous + 1);
    return Trim(last).empty();
}

} // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key)
{
    KeyPlace place = FindKey(text, Trim(section), Trim(key));
    if (!place.keyFound)
        return std::nullopt;
    return std::move(place.value);
}

std::optional<std::string> SetProfileValue(std::string_view text, std::string_view section,
                                           std::string_view key, std::string_view value)
{
    section = Trim(section);
    key = Trim(key);
    value = Trim(value);
    if (section.empty() || section.find(']') != std::string_view::npos || HasLineBreak(section))
        return std::nullopt;
    if (key.empty() || key.find('=') != std::string_view::npos || HasLineBreak(key) || key.front() == '[' ||
        key.front() == ';' || key.front() == '#')
        return std::nullopt;
    if (HasLineBreak(value))
        return std::nullopt;

    std::string keyLine;
    keyLine.reserve(key.size() + 1 + value.size());
    keyLine.append(key).append("=").append(value);
    const std::string_view lineEnding = LineEndingOf(text);
    const KeyPlace place = FindKey(text, section, key);

    std::string result;
    result.reserve(text.size() + section.size() + keyLine.size() + 8);
    if (place.keyFound) {
        result.append(text.substr(0, place.keyLine.begin));
        result.append(keyLine);
        result.append(text.substr(place.keyLine.end));
    } else if (place.sectionFound) {
        const std::size_t at = place.lastLine.next;
        result.append(text.substr(0, at));
        if (!place.lastLine.HasLineEnding())
            result.append(lineEnding);
        result.append(keyLine).append(lineEnding);
        result.append(text.substr(at));
    } else {
        result.append(text);
        if (!result.empty()) {
            if (result.back() != '\n')
                result.append(lineEnding);
            if (!EndsWithBlankLine(result))
                result.append(lineEnding);
        }
        result.append("[").append(section).append("]").append(lineEnding);
        result.append(keyLine).append(lineEnding);
    }
    return result;
}

std::int32_t ProfileIntValue(std::string_view value, std::int32_t defaultValue)
{
    std::size_t i = 0;
    while (i < value.size() && IsBlank(value[i]))
        ++i;
    if (i == value.size())
        return defaultValue;
    const bool negative = value[i] == '-';
    if (negative)
        ++i;
    if (i == value.size() || value[i] < '0' || value[i] > '9')
        return 0;
    // One past the largest magnitude a 32-bit value can hold, so that the
    // loop stops long before the 64-bit sum could overflow.
    constexpr std::int64_t limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (value[i] - '0');
        if (magnitude > limit)
            return defaultValue;
    }
    if (negative)
        return static_cast<std::int32_t>(-magnitude);
    if (magnitude == limit)
        return defaultValue;
    return static_cast<std::int32_t>(magnitude);
}

ProfileFileText ReadProfileFile(const std::string& path)
{
    WholeFile file = ReadWholeFile(path, MaxProfileFileSize, FileKinds::RegularOnly);
    ProfileFileText result;
    switch (file.status) {
    case WholeFile::Status::Read:
        result.status = ProfileFileText::Status::Read;
        result.text = std::move(file.bytes);
        break;
    case WholeFile::Status::Missing: result.status = ProfileFileText::Status::Missing; break;
    case WholeFile::Status::TooLarge:
        result.status = ProfileFileText::Status::Unreadable;
        result.error = "File too large for a settings file";
        break;
    case WholeFile::Status::Failed:
    case WholeFile::Status::NotRegular:
        result.status = ProfileFileText::Status::Unreadable;
        result.error = std::move(file.error);
        break;
    }
    return result;
}

std::optional<std::string> ReadProfileValue(const std::string& path, std::string_view section,
                                            std::string_view key)
{
    const ProfileFileText file = ReadProfileFile(path);
    if (file.status != ProfileFileText::Status::Read)
        return std::nullopt;
    return FindProfileValue(file.text, section, key);
}

std::string WriteProfileValues(const std::string& path, const std::vector<ProfileValue>& values)
{
    if (path.empty())
        return "No file name";
    const ProfileFileText file = ReadProfileFile(path);
    if (file.status == ProfileFileText::Status::Unreadable)
        return file.error;
    std::string text = file.text;
    for (const ProfileValue& value : values) {
        std::optional<std::string> updated = SetProfileValue(text, value.section, value.key, value.value);
        if (!updated)
            return "Section or key cannot be written to a profile file";
        text = std::move(*updated);
    }
    if (text.size() > MaxProfileFileSize)
        return "File too large for a settings file";
    if (file.status == ProfileFileText::Status::Read && text == file.text)
        return {};
    return ReplaceFileContents(path, text);
}

} // namespace kelvane
