#pragma once

#include <cstdint>
#include <string>

#include "core/model/Codes.h"
#include "core/model/StarSystem.h"
#include "core/settings/AppSettings.h"

namespace kelvane {

// The state the whole program shares: made once by the desktop program (or
// the command line, or a test) and handed to whoever needs it. The random
// source is no part of it: whoever changes the system holds one.
struct AppState {
    StarSystem system;
    AppSettings settings;
    std::string CurrentFileName; // empty after every generation
    Colour DisplayBackColor = 0; // background of every drawing of the system
    std::int16_t PopupOrbit = 0; // the orbit the popup menus act on
};

} // namespace kelvane
