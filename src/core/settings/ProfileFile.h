#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// The profile (INI) file layer under the settings file: sections in square
// brackets, lines of the form key=value.
//
// How a text is read:
// - Lines end at "\n"; a "\r" before it belongs to the line ending, so files
//   with CRLF and with LF line endings read alike. The last line needs no
//   line ending.
// - A line whose first non-blank character is '[' and which holds a ']' starts
//   a section; its name is the text between the '[' and the first ']'. Text
//   after the ']' is ignored. A '[' without a ']' is not a section header.
// - A line whose first non-blank character is ';' or '#' is a comment.
// - Any other line holding a '=' with a non-blank text before it is a key
//   line: the key is the text before the first '=', the value all the text
//   after it ("a=b=c" has the key "a" and the value "b=c").
// - Everything else (comments, lines without '=', key lines before the first
//   section) is kept as it stands when the text is changed, and is ignored.
// - Section names, keys and values lose their leading and trailing blanks
//   (spaces, tabs, stray carriage returns). Section names and keys match
//   without regard to ASCII case.
// - When a section name or a key appears more than once, the first one
//   counts, for reading and for writing alike.
//
// The text functions work on any bytes (NULs, very long lines, no line
// ending at the end) in time linear in the size of the text.

// The value of key in section, trimmed; nothing when the section or the key
// is missing. An empty value ("Key=") is an empty text, not nothing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with the line key=value written into section; section, key and
// value are trimmed first. Everything else in the text stays byte for byte:
// - an existing key has its line replaced in place, keeping its line ending;
// - a new key goes right after the last key line of its section (before any
//   blank lines, comments or junk that end the section), or right after the
//   section header when the section holds no key yet;
// - a new section goes at the end of the text, after a blank line when the
//   text is not empty.
// New lines take the line ending of the text (that of its first line); a text
// without any line ending gets "\r\n", the profile format's own: such files
// stay readable by every profile reader and by Windows editors, and our own
// reader takes either.
// Returns nothing, and the text stays as it was, when the line could not be
// read back as written: an empty section name or key, a section name holding
// ']', a key holding '=' or beginning with '[', ';' or '#', or a line break
// in any of the three.
std::optional<std::string> SetProfileValue(std::string_view text, std::string_view section,
                                           std::string_view key, std::string_view value);

// The platform's reading of a profile value as a 32-bit integer: the decimal
// integer at the start of value (leading blanks skipped, an optional '-'),
// read up to the first character that is not a digit, so "12abc" gives 12.
// An empty value gives defaultValue; a value that does not begin with a
// number gives 0 ("abc", "-", "+5"); "0x10" is read as far as the 'x' and
// gives 0 too. Digits whose number does not fit in 32 bits cannot be read as
// one and give defaultValue, as if the value were missing.
std::int32_t ProfileIntValue(std::string_view value, std::int32_t defaultValue);

// A settings file is a few hundred bytes; a larger file than this is not one
// and is neither read nor rewritten.
inline constexpr std::size_t MaxProfileFileSize = 1024 * 1024;

// What reading a profile file gave.
struct ProfileFileText {
    enum class Status {
        Read,       // text holds the whole file
        Missing,    // there is no file at the path; writing creates it
        Unreadable, // the path names something that cannot be read as a profile file
                    // (a folder, a device, a file too large or without permission)
    };
    Status status = Status::Missing;
    std::string text;
    std::string error; // why, when Unreadable
};

// Reads the whole regular file at path. Never blocks on a pipe or device.
ProfileFileText ReadProfileFile(const std::string& path);

// One line key=value for a section of a profile file.
struct ProfileValue {
    std::string section;
    std::string key;
    std::string value;
};

// FindProfileValue on the file at path; nothing when the file is missing or
// cannot be read.
std::optional<std::string> ReadProfileValue(const std::string& path, std::string_view section,
                                            std::string_view key);

// SetProfileValue with each of values in turn on the file at path, which is
// created when missing: the file is read once and the result written back
// once through ReplaceFileContents, so the file is either the old one or the
// new one, never a mix. When every value is already there as it would be
// written, the file is left untouched.
// Returns an empty text on success, else the reason; the file is then
// unchanged, and none of the values is written.
std::string WriteProfileValues(const std::string& path, const std::vector<ProfileValue>& values);

} // namespace kelvane
