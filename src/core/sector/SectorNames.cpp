#include "core/sector/SectorNames.h"

#include <array>
#include <iterator>
#include <string_view>

#include "core/sector/HexDraws.h"

namespace kelvane {

namespace {

// Where a name begins.
constexpr std::string_view Firsts[] = {
    "al",  "am",  "an",  "ar",  "as",  "bel", "bor", "bra", "cal",  "cas",  "cor", "cy",  "da",  "del",
    "dor", "dra", "el",  "em",  "er",  "fal", "fen", "ga",  "gal",  "gor",  "ha",  "hel", "hes", "il",
    "ir",  "is",  "ka",  "kal", "kel", "kor", "kra", "la",  "lor",  "ly",   "ma",  "mar", "mel", "mir",
    "mor", "na",  "nor", "ny",  "ol",  "or",  "os",  "pa",  "pel",  "pra",  "qua", "ra",  "rel", "ros",
    "ru",  "sa",  "sel", "sol", "su",  "ta",  "tal", "tor", "tra",  "ul",   "ur",  "va",  "val", "vel",
    "ven", "vor", "xa",  "ya",  "yor", "za",  "zel", "zor", "thal", "shan",
};

// Between the first and the last syllable of a three-syllable name.
constexpr std::string_view Middles[] = {
    "a",  "e",  "i",  "o",  "an", "ar", "el", "en", "er", "in", "ir", "is",  "la", "le",
    "li", "lo", "ma", "mi", "na", "ne", "ni", "no", "ra", "re", "ri", "ro",  "sa", "se",
    "si", "ta", "te", "ti", "to", "va", "ve", "vi", "da", "di", "do", "tha",
};

// Where a name ends.
constexpr std::string_view Lasts[] = {
    "a",   "ah",  "al",  "an",  "ar",  "as",  "ea",  "el",  "en",  "er",  "eth", "ia", "ion", "is",  "ix",
    "on",  "or",  "os",  "us",  "um",  "yn",  "ys",  "ara", "ora", "ine", "ene", "ax", "oth", "ur",  "ir",
    "ica", "ona", "ius", "ant", "ell", "ane", "ore", "ath", "ez",  "o",   "ri",  "na", "da",  "the",
};

// Joined syllables can spell a word nobody wants on their map.
constexpr std::string_view Unwanted[] = {"anal", "anus", "cock", "cum",  "cunt", "dick", "fag", "nazi",
                                         "nig",  "piss", "porn", "rape", "sex",  "shit", "slut"};

bool IsVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y';
}

// Consonant sounds at the end of a text or the start of a syllable; "th",
// "sh" and "ch" are one sound.
int TrailingConsonants(std::string_view text)
{
    int count = 0;
    while (!text.empty() && !IsVowel(text.back())) {
        const bool pair = text.size() >= 2 && text.back() == 'h' && !IsVowel(text[text.size() - 2]);
        text.remove_suffix(pair ? 2 : 1);
        ++count;
    }
    return count;
}

int LeadingConsonants(std::string_view text)
{
    int count = 0;
    while (!text.empty() && !IsVowel(text.front())) {
        const bool pair = text.size() >= 2 && text[1] == 'h';
        text.remove_prefix(pair ? 2 : 1);
        ++count;
    }
    return count;
}

bool ReadsWell(std::string_view before, std::string_view next)
{
    if (before.empty() || next.empty())
        return true;
    if (before.back() == next.front())
        return false;
    if (IsVowel(before.back()) && IsVowel(next.front()))
        return false;
    // "th" and "sh" start a syllable only after a vowel.
    if (!IsVowel(before.back()) && next.size() >= 2 && next[1] == 'h')
        return false;
    return TrailingConsonants(before) + LeadingConsonants(next) <= 2;
}

// A syllable of table drawn from those that read well after name; none
// when no syllable does.
template <std::size_t N>
std::string_view Following(const std::string_view (&table)[N], std::string_view name, HexDraws& draws)
{
    std::array<std::string_view, N> fitting;
    std::size_t count = 0;
    for (const std::string_view syllable : table)
        if (ReadsWell(name, syllable))
            fitting[count++] = syllable;
    return count == 0 ? std::string_view() : fitting[draws.Below(static_cast<std::uint32_t>(count))];
}

} // namespace

std::string SectorNames::Candidate(std::uint64_t sectorSeed, HexNumber hex, std::uint64_t attempt)
{
    HexDraws draws(sectorSeed, hex, HexDraws::Purpose::Name, attempt);
    const bool threeSyllables = draws.Below(5) >= 3;
    std::string name(Firsts[draws.Below(static_cast<std::uint32_t>(std::size(Firsts)))]);
    if (threeSyllables)
        name += Following(Middles, name, draws);
    name += Following(Lasts, name, draws);
    if (name.size() < 3 || name.size() > MaxLength)
        return {};
    for (const std::string_view word : Unwanted)
        if (name.find(word) != std::string::npos)
            return {};
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

std::string SectorNames::NameFor(HexNumber hex)
{
    // A sector holds at most 5,120 systems among some hundred thousand
    // names: a hex rarely needs more than a few tries.
    for (std::uint64_t attempt = 0; attempt < 1000; ++attempt) {
        std::string name = Candidate(m_seed, hex, attempt);
        if (name.empty())
            continue;
        std::string key = name;
        key[0] = static_cast<char>(key[0] - 'A' + 'a');
        if (m_taken.insert(key).second)
            return name;
    }
    // Never reached in practice; no generated name holds a space or a digit,
    // so this one is unique too.
    std::string name = "System " + hex.Text();
    m_taken.insert("system " + hex.Text());
    return name;
}

} // namespace kelvane
