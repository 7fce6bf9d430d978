#pragma once

#include <cstdint>

#include "core/model/Codes.h"
#include "core/model/Random.h"
#include "core/model/StarSystem.h"
#include "core/settings/AppSettings.h"

namespace kelvane {

// Changes to single orbits that the user asks for: the Force Orbit dialog's
// OK, the contents popup and the environment popup. The windows call these
// and then refresh every view.

// What the Force Orbit dialog has chosen when OK is pressed. environment is
// the code of the chosen environment option; a value that is not Hostile,
// Poor, Average, Good or Excellent stands for None.
struct ForceChoice {
    OrbitContents contents = ContentsNothing;
    std::int32_t environment = TypeEnvNone;
};

// The Force Orbit dialog's OK for orbit n (1 to 10): reseeds, then applies the
// choice. A planet made from an empty orbit or a belt gets 0 to 5 moons, a new
// radius, elements if it had none, and new positions; a planet that was
// already a planet only changes its environment. No zone or white-dwarf rule.
void ApplyForceOrbit(StarSystem& system, Random& random, int n, const ForceChoice& choice);

// The contents popup on orbit n: a new planet (as generation makes one, with
// new positions, no reseed), an asteroid belt, or nothing.
void SetOrbitContents(StarSystem& system, Random& random, LifeSupportLevel lifeSupport, int n,
                      OrbitContents contents);

// The environment popup on orbit n: only Type changes.
void SetOrbitEnvironment(StarSystem& system, int n, std::int32_t environment);

} // namespace kelvane
