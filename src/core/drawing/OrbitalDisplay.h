#pragma once

#include <cstdint>
#include <string>

#include "core/drawing/DrawingSurface.h"
#include "core/model/Codes.h"
#include "core/model/Random.h"
#include "core/model/StarSystem.h"
#include "core/settings/AppSettings.h"

namespace kelvane {

// Draws system onto surface in the style of settings.OrbitDisplay: clears it
// to displayBackColor, sets the extents, then (only when SystemType is 1) the
// star, the orbit lines when settings.VisibleOrbits is on, and the planets
// with their moons and the asteroid belts. Every asteroid dot takes four
// draws from random, in every style that draws dots. The surface's pen width
// is left as it was found, rounded to a whole number (halves to even) when
// orbit lines were drawn. Nothing is repainted: the caller shows the surface.
// A style other than the three (a hand-edited settings file can hold one)
// draws with the arced extents, full circles, planets at PosX/PosY and no
// asteroid dots.
void DrawOrbitalDisplay(DrawingSurface& surface, const StarSystem& system, const AppSettings& settings,
                        Colour displayBackColor, Random& random);

// The orbit (1 to 10) that a click at (x, y), in the logical units of a
// surface with the given logical width and height, picks; 0 when the click
// is too near the star. The flat style goes by x alone; every other style by
// the distance from the star. Points beyond the outermost orbit pick 10.
int PickOrbit(double x, double y, OrbitDisplayStyle orbitDisplay, double logicalWidth, double logicalHeight);

} // namespace kelvane
