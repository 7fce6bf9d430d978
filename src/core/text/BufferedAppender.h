#pragma once

#include <charconv>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace kelvane {

// The most characters of a whole number of up to 64 bits, its sign included.
constexpr std::size_t MostDigits = 20;

// text at p; returns the end of it.
inline char* WriteText(char* p, std::string_view text)
{
    std::memcpy(p, text.data(), text.size());
    return p + text.size();
}

// A whole number in decimal at p, at most MostDigits characters; returns the
// end of it.
template <typename Int> char* WriteNumber(char* p, Int value)
{
    // Narrower types as int: the writers' numbers share one std::to_chars,
    // where a short would have a second, out-of-line one.
    if constexpr (sizeof(Int) < sizeof(int))
        return std::to_chars(p, p + MostDigits, static_cast<int>(value)).ptr;
    else
        return std::to_chars(p, p + MostDigits, value).ptr;
}

// Appends to a string through a small buffer of its own. A system's JSON is
// some two hundred short pieces; copying them into the buffer and the buffer
// into the string once every few hundred bytes costs a fraction of growing
// the string piece by piece. The pieces reach the string at Flush, at the
// latest when the appender goes.
class BufferedAppender {
public:
    // The buffer is written before it is read: no need to clear it first.
    // cppcheck-suppress uninitMemberVar
    explicit BufferedAppender(std::string& out) : m_out(out) {}
    BufferedAppender(const BufferedAppender&) = delete;
    BufferedAppender& operator=(const BufferedAppender&) = delete;
    ~BufferedAppender() { Flush(); }

    void Put(std::string_view text)
    {
        // An empty view may point nowhere, which memcpy may not be given.
        if (text.empty())
            return;
        if (text.size() > Room()) {
            Flush();
            if (text.size() > Capacity) {
                m_out += text;
                return;
            }
        }
        std::memcpy(m_end, text.data(), text.size());
        m_end += text.size();
    }

    // A literal: its size is known where it is put, so the copy is a few
    // moves rather than a call.
    template <std::size_t N> void Put(const char (&literal)[N])
    {
        static_assert(N - 1 <= Capacity);
        if (N - 1 > Room())
            Flush();
        std::memcpy(m_end, literal, N - 1);
        m_end += N - 1;
    }

    void Put(char c)
    {
        if (Room() == 0)
            Flush();
        *m_end++ = c;
    }

    // A whole number in decimal.
    template <typename Int> void PutNumber(Int value)
    {
        PutWritten<MostDigits>([value](char* p) { return WriteNumber(p, value); });
    }

    // What write(p) writes at p, at most Most bytes; it returns their end.
    // A writer of many short pieces whose lengths have a bound puts them in
    // one go, with WriteText and WriteNumber.
    template <std::size_t Most, typename Write> void PutWritten(Write write)
    {
        static_assert(Most <= Capacity);
        if (Room() < Most)
            Flush();
        m_end = write(m_end);
    }

    // The string with every piece so far, for a writer that appends to it
    // directly; the appender goes on after what that writer added.
    std::string& Flush()
    {
        m_out.append(m_buffer, m_end);
        m_end = m_buffer;
        return m_out;
    }

private:
    static constexpr std::size_t Capacity = 512;

    std::size_t Room() const { return static_cast<std::size_t>(m_buffer + Capacity - m_end); }

    std::string& m_out;
    char m_buffer[Capacity];
    char* m_end = m_buffer;
};

} // namespace kelvane
