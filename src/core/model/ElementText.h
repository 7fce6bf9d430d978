#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace kelvane {

// The elements available in an orbit: always exactly 26 characters, position i
// (1 to 26) holding the i-th capital letter or a space. Every assignment pads a
// shorter text with spaces on the right and cuts a longer one to 26.
class ElementText {
public:
    static constexpr std::size_t Length = 26;

    ElementText() { m_chars.fill(' '); }
    // cppcheck-suppress noExplicitConstructor
    ElementText(std::string_view text) { Assign(text); } // NOLINT: implicit on purpose

    ElementText& operator=(std::string_view text)
    {
        Assign(text);
        return *this;
    }

    void Assign(std::string_view text)
    {
        const std::size_t n = std::min(text.size(), Length);
        std::copy_n(text.begin(), n, m_chars.begin());
        std::fill(m_chars.begin() + static_cast<std::ptrdiff_t>(n), m_chars.end(), ' ');
    }

    // Position 1 to 26.
    char At(int position) const { return m_chars[static_cast<std::size_t>(position - 1)]; }
    void Set(int position, char c) { m_chars[static_cast<std::size_t>(position - 1)] = c; }

    // An element text counts as empty when it is exactly 26 spaces.
    bool IsEmpty() const
    {
        for (char c : m_chars)
            if (c != ' ')
                return false;
        return true;
    }

    std::string_view View() const { return {m_chars.data(), Length}; }

    bool operator==(const ElementText&) const = default;

private:
    std::array<char, Length> m_chars;
};

} // namespace kelvane
