#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvane {

// UTF-8 as the program reads and writes it. Names come from files of every
// age: an older system file holds Latin-1, a newer one UTF-8, so a reader
// that shows a name takes each byte that starts no valid sequence as the
// Latin-1 character of its value.

// The length of the valid UTF-8 sequence at the start of text (shortest form,
// no surrogates, at most U+10FFFF), or 0 when there is none; its character in
// cp. An empty text has none.
std::size_t Utf8Sequence(std::string_view text, char32_t& cp);

// The character at the start of a non-empty text and its length in bytes: a
// valid sequence as Utf8Sequence reads it, else the first byte as Latin-1.
std::size_t NextCharacter(std::string_view text, char32_t& cp);

// Appends cp (at most U+10FFFF) in UTF-8. A surrogate, which UTF-8 has no
// place for, takes the three bytes its value would (ED A0 80 to ED BF BF):
// that is how a JSON text's lone surrogate escape is kept, to be written back
// as the same escape (SurrogateSequence).
void AppendUtf8(std::string& out, char32_t cp);

// The surrogate held at the start of text as AppendUtf8 writes one, or 0
// when text does not start with one.
char32_t SurrogateSequence(std::string_view text);

} // namespace kelvane
