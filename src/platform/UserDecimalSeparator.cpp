#include "platform/UserDecimalSeparator.h"

#include <langinfo.h>
#include <locale.h>

namespace kelvane {

char DecimalSeparatorOf(const char* point)
{
    if (point == nullptr || point[0] == '\0' || point[1] != '\0')
        return '.';
    const char c = point[0];
    const bool punctuation = (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
                             (c >= '{' && c <= '~');
    return punctuation && c != '-' && c != '+' ? c : '.';
}

char UserDecimalSeparator()
{
    // A locale object of its own rather than setlocale: nothing global
    // changes, and the answer does not depend on who called setlocale.
    const locale_t numbers = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (numbers == static_cast<locale_t>(nullptr))
        return '.';
    const char separator = DecimalSeparatorOf(::nl_langinfo_l(RADIXCHAR, numbers));
    ::freelocale(numbers);
    return separator;
}

} // namespace kelvane
