#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// The ways a name or any other text of a system leaves the program: inside a
// JSON string, inside XML, or on a terminal. Each appends to out. Bytes that
// are not UTF-8 are taken as Latin-1 (core/text/Utf8.h), so that a name from
// an older file comes out as the character it meant.

// A JSON string, quotes included: quote and backslash escaped, tab, CR and LF
// as \t, \r and \n, the other control characters and DEL as \u00xx, and a
// byte that is not UTF-8 as the \u00xx of its Latin-1 character, a lone
// surrogate kept as AppendUtf8 keeps one as its \udxxx. Valid UTF-8 is
// copied, so the text is plain ASCII only when the name is.
void AppendJsonString(std::string& out, std::string_view text);

class BufferedAppender;
// The same through an appender, for a writer that puts many small pieces.
void PutJsonString(BufferedAppender& out, std::string_view text);

// An XML text or attribute value: &, <, > and " escaped, control characters
// other than tab dropped (XML 1.0 has no way to write them), and bytes that
// are not UTF-8 written as the UTF-8 of their Latin-1 character.
void AppendXmlText(std::string& out, std::string_view text);

// Text for a terminal: control characters, which could move the cursor, clear
// the screen or ring the bell, become \xNN. Those are the bytes below 32 and
// 127, and the controls from 128 to 159 both as single bytes (which a
// terminal in a single-byte code page obeys) and in their UTF-8 form (C2 80
// to C2 9F, shown as \xC2\xNN). Everything else, other UTF-8 and other
// bytes included, is copied.
void AppendTerminalText(std::string& out, std::string_view text);

// Text inside a Markdown table cell or heading: control characters shown as
// AppendTerminalText shows them, then what Markdown would read as markup
// escaped with a backslash.
void AppendMarkdownText(std::string& out, std::string_view text);

// Free text of many lines, such as a hex's notes, each line after indent
// (none before an empty line) and ended by a line feed: a CR before a line
// feed belongs to the line break, tabs stay, other control characters are
// shown as AppendTerminalText shows them.
void AppendTextLines(std::string& out, std::string_view text, std::string_view indent);

} // namespace kelvane
