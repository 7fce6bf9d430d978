#pragma once

namespace kelvane {

// The decimal separator of the user's number settings, which system files
// are written and read with and distances are shown with: the one answer for
// the desktop program and kelvane-cli alike, so that each reads the other's
// files. It is the C library's: the locale that LC_ALL, LC_NUMERIC or LANG
// name, in that order. A locale that is not installed is the C library's
// own "C" locale, which gives ".", whatever the name suggests (fr_FR.UTF-8
// without it generated gives "."). Worked out again whenever one of these
// variables, or LOCPATH, has changed since the last call.
char UserDecimalSeparator();

// The separator to use for a locale whose decimal point is point: point
// itself when it is one ASCII punctuation character that cannot be taken
// for part of a number ("-", "+"), else ".". Null gives ".".
char DecimalSeparatorOf(const char* point);

} // namespace kelvane
