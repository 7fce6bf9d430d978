#pragma once

#include <QString>
#include <string_view>

#include "core/text/Message.h"

namespace kelvane {

// A word of the core's tables (an orbit's contents and environment, a star's
// type and class) or one of its fixed messages as the windows and the report show it: in the language of
// the installed translators, or as the core has it when none is installed,
// as for the command line. What is written into a file never passes here.
QString CoreText(std::string_view english);

// A message of the core (why a file or folder is refused, ...) as the windows
// show it: each piece's template in the language of the installed
// translators, its places filled with the values as they are; without
// translators, English(message) exactly.
QString CoreText(const Message& message);

} // namespace kelvane
