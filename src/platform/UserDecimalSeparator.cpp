#include "platform/UserDecimalSeparator.h"

#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <string>
#include <utility>

namespace kelvane {

char DecimalSeparatorOf(const char* point)
{
    if (point == nullptr || point[0] == '\0' || point[1] != '\0')
        return '.';
    const char c = point[0];
    const bool punctuation =
        (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') || (c >= '{' && c <= '~');
    return punctuation && c != '-' && c != '+' ? c : '.';
}

char UserDecimalSeparator()
{
    // The environment that decides, as one text; the answer is worked out
    // again only when it changes. That is cheaper, and the C library (glibc
    // 2.36) loses a few bytes of every newlocale call while LOCPATH is set.
    std::string environment;
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG", "LOCPATH"}) {
        const char* value = std::getenv(name);
        environment += value != nullptr ? '=' : '-';
        environment += value != nullptr ? value : "";
        environment += '\0';
    }
    thread_local std::string knownEnvironment;
    thread_local char knownSeparator = 0;
    if (knownSeparator != 0 && environment == knownEnvironment)
        return knownSeparator;

    // A locale object of its own rather than setlocale: nothing global
    // changes, and the answer does not depend on who called setlocale.
    char separator = '.';
    const locale_t numbers = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (numbers != static_cast<locale_t>(nullptr)) {
        separator = DecimalSeparatorOf(::nl_langinfo_l(RADIXCHAR, numbers));
        ::freelocale(numbers);
    }
    knownEnvironment = std::move(environment);
    knownSeparator = separator;
    return separator;
}

} // namespace kelvane
