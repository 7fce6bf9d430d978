#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Marks an English template for the translation tools, which read it as
// QT_TRANSLATE_NOOP(context, text); the windows look it up in that context
// (CoreText). It is the text itself.
#define KELVANE_TEXT(context, text) text

namespace kelvane {

// A text the core words for the user, such as why a file is refused: one or
// more pieces, each an English template with places %1 to %9 and the values
// that fill them ("system %1: ", then "%1 is not a whole number from %2 to
// %3"). The templates say what is meant, so that a window can show them in
// the user's language; the values are data (names, numbers, field names,
// paths, what the operating system said) and are never translated nor read
// again for places. kelvane-cli and every file take the English text.
class Message {
public:
    struct Piece {
        std::string text;
        std::vector<std::string> values;
    };

    Message() = default;
    // A piece with its values in the order of their places; a number is
    // given in decimal digits.
    template <typename... Values>
    explicit Message(std::string text, Values&&... values)
        : m_pieces{Piece{std::move(text), {Value(std::forward<Values>(values))...}}}
    {}

    Message& operator+=(const Message& more)
    {
        m_pieces.insert(m_pieces.end(), more.m_pieces.begin(), more.m_pieces.end());
        return *this;
    }
    friend Message operator+(Message first, const Message& more) { return first += more; }

    bool Empty() const { return m_pieces.empty(); }
    const std::vector<Piece>& Pieces() const { return m_pieces; }

private:
    static std::string Value(std::integral auto number) { return std::to_string(number); }
    static std::string Value(std::string_view text) { return std::string(text); }

    std::vector<Piece> m_pieces;
};

// text with each place %1 to %9 that has a value replaced by it, in one pass;
// a place without a value, and a % before anything but 1 to 9, stay as they
// are.
std::string FillPlaces(std::string_view text, const std::vector<std::string>& values);

// The message in English: each piece's template filled, one after another.
std::string English(const Message& message);

} // namespace kelvane
