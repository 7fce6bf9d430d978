#pragma once

#include "core/AppState.h"
#include "core/model/SystemCode.h"

namespace kelvane {

// Makes the systems that codes stand for, as RegenerateSystem does, for the
// many systems of a sector: the first system of a seeded run, the kind of
// code every hex has, is made on one state kept from call to call instead of
// a fresh AppState each time, whose random source alone takes fifty times as
// long to set up as the system takes to generate. Any other code goes to
// RegenerateSystem.
class SystemMaker {
public:
    StarSystem Make(const SystemCode& code);

private:
    AppState m_app;
};

} // namespace kelvane
