#pragma once

#include <QAccessibleInterface>

namespace kelvane {

// Makes the Orbital Display readable by assistive technology: the window is
// a list of the star and its ten orbits, each said in words as the
// Information window shows it. Called by every display window; the first
// call installs the factory.
void InstallOrbitalDisplayAccessible();

} // namespace kelvane
