#pragma once

#include "cli/CliSupport.h"

namespace kelvane {

// render FILE -o OUT.png|OUT.svg|- [--format png|svg] [--style arced|complete|flat] [--size PX]
//        [--orbit-lines on|off] [--white-orbits on|off] [--thick-orbits on|off]
//
// Loads FILE as the desktop program's Load does, into an empty system, and
// draws it as the Orbital Display does on a black background, into a square
// image of PX pixels (800 unless given, 16 to 8192). The extension of OUT,
// in any case, chooses PNG or SVG. Exit 1 with "kelvane-cli: PATH: reason"
// when FILE cannot be read or loaded or OUT cannot be written; OUT then
// stays as it was.
int RenderCommand(const CliRequest& request);

} // namespace kelvane
