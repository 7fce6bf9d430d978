#include "core/text/Escaping.h"

#include "core/text/BufferedAppender.h"
#include "core/text/Utf8.h"

namespace kelvane {

namespace {

// A byte that a JSON string holds as it is: printable ASCII but the quote
// and the backslash.
constexpr bool IsJsonPlain(unsigned char c)
{
    return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
}

// Whether text is such bytes only, as names and element letters mostly are.
// Every byte is looked at, without an early return, so that the compiler
// compares sixteen at a time.
bool IsJsonPlain(std::string_view text)
{
    unsigned char escaped = 0;
    for (const char c : text)
        escaped |= static_cast<unsigned char>(!IsJsonPlain(static_cast<unsigned char>(c)));
    return escaped == 0;
}

// The length of the run of such bytes at the start of text, copied in one
// piece.
std::size_t JsonPlainRun(std::string_view text)
{
    std::size_t n = 0;
    while (n < text.size() && IsJsonPlain(static_cast<unsigned char>(text[n])))
        ++n;
    return n;
}

constexpr char LowerHex[] = "0123456789abcdef";

// A byte as \xNN, in capitals.
void AppendHexEscape(std::string& out, unsigned char c)
{
    constexpr char upperHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += upperHex[c >> 4];
    out += upperHex[c & 0xF];
}

} // namespace

void AppendJsonString(std::string& out, std::string_view text)
{
    BufferedAppender appender(out);
    PutJsonString(appender, text);
}

void PutJsonString(BufferedAppender& out, std::string_view text)
{
    out.Put('"');
    if (IsJsonPlain(text)) {
        out.Put(text);
        out.Put('"');
        return;
    }
    while (!text.empty()) {
        if (const std::size_t run = JsonPlainRun(text); run != 0) {
            out.Put(text.substr(0, run));
            text.remove_prefix(run);
            continue;
        }
        if (const char32_t surrogate = SurrogateSequence(text); surrogate != 0) {
            out.Put("\\u");
            for (int shift = 12; shift >= 0; shift -= 4)
                out.Put(LowerHex[surrogate >> shift & 0xF]);
            text.remove_prefix(3);
            continue;
        }
        char32_t cp = 0;
        const std::size_t length = NextCharacter(text, cp);
        const bool latin1 = length == 1 && cp >= 0x80;
        if (cp == '"' || cp == '\\') {
            out.Put('\\');
            out.Put(static_cast<char>(cp));
        } else if (cp == '\n') {
            out.Put("\\n");
        } else if (cp == '\r') {
            out.Put("\\r");
        } else if (cp == '\t') {
            out.Put("\\t");
        } else if (cp < 0x20 || cp == 0x7F || latin1) {
            out.Put("\\u00");
            out.Put(LowerHex[cp >> 4]);
            out.Put(LowerHex[cp & 0xF]);
        } else {
            out.Put(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    out.Put('"');
}

void AppendXmlText(std::string& out, std::string_view text)
{
    while (!text.empty()) {
        char32_t cp = 0;
        const std::size_t length = NextCharacter(text, cp);
        switch (cp) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            if (cp >= 0x20 || cp == '\t')
                AppendUtf8(out, cp);
        }
        text.remove_prefix(length);
    }
}

void AppendTerminalText(std::string& out, std::string_view text)
{
    while (!text.empty()) {
        char32_t cp = 0;
        const std::size_t length = NextCharacter(text, cp);
        if (cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0)) {
            // A C1 control in UTF-8 is shown byte by byte, as the terminal
            // would have received it.
            for (const char c : text.substr(0, length))
                AppendHexEscape(out, static_cast<unsigned char>(c));
        } else {
            out += text.substr(0, length);
        }
        text.remove_prefix(length);
    }
}

void AppendMarkdownText(std::string& out, std::string_view text)
{
    std::string readable;
    AppendTerminalText(readable, text);
    for (const char c : readable) {
        if (std::string_view("\\`*_[]<>|~&").find(c) != std::string_view::npos)
            out += '\\';
        out += c;
    }
}

void AppendTextLines(std::string& out, std::string_view text, std::string_view indent)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        out += line.empty() ? std::string_view() : indent;
        for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos;
             line.remove_prefix(tab + 1)) {
            AppendTerminalText(out, line.substr(0, tab));
            out += '\t';
        }
        AppendTerminalText(out, line);
        out += '\n';
    }
}

} // namespace kelvane
