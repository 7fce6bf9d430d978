#pragma once

#include "cli/CliSupport.h"

namespace kelvane {

// report FILE -o OUT.pdf|- [--style arced|complete|flat] [--grey-for-black on|off]
//        [--colored-text on|off]
//
// Loads FILE as the desktop program's Load does, into an empty system, and
// writes the one-page system report that the program prints, as a PDF on US
// Letter portrait: arced, grey for black and coloured text unless the options
// say otherwise; the asteroid dots of the picture come from a fixed seed, so
// a file always gives the same drawing. No screen is needed. OUT must end in
// .pdf, in any case. Exit 1 with "kelvane-cli: PATH: reason" when FILE cannot
// be read or loaded or OUT cannot be written; OUT then stays as it was.
int ReportCommand(const CliRequest& request);

} // namespace kelvane
