#include "core/text/Utf8.h"

namespace kelvane {

std::size_t Utf8Sequence(std::string_view text, char32_t& cp)
{
    if (text.empty())
        return 0;
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(0);
    if (first < 0x80) {
        cp = first;
        return 1;
    }
    std::size_t length = 0;
    char32_t min = 0;
    if ((first & 0xE0) == 0xC0) {
        length = 2, cp = first & 0x1Fu, min = 0x80;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3, cp = first & 0x0Fu, min = 0x800;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4, cp = first & 0x07u, min = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        cp = cp << 6 | (byte(i) & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

std::size_t NextCharacter(std::string_view text, char32_t& cp)
{
    const std::size_t length = Utf8Sequence(text, cp);
    if (length != 0)
        return length;
    cp = static_cast<unsigned char>(text[0]);
    return 1;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t SurrogateSequence(std::string_view text)
{
    if (text.size() < 3)
        return 0;
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (byte(0) != 0xED || byte(1) < 0xA0 || byte(1) > 0xBF || (byte(2) & 0xC0) != 0x80)
        return 0;
    return 0xD000 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
}

} // namespace kelvane
