#pragma once

#include <array>
#include <cstdint>

#include "core/model/Distance.h"
#include "core/model/ElementText.h"
#include "core/model/Random.h"
#include "core/model/StarSystem.h"
#include "core/settings/AppSettings.h"

namespace kelvane {

// Generation of a whole system and of its orbits. Every roll takes a fresh
// draw from the shared source in the order the steps name them; the source
// is reseeded at the start of RollStar, of the distance step and of every
// orbit's contents roll, and nowhere else in this module.

// Where an orbit at distance d lies, tested in this order: below the inner
// limit, inside the inner zone, beyond the outer edge, else in the habitable
// zone (both edges belong to the zone).
enum class OrbitZone { BelowInnerLimit, Inner, Outer, Habitable };
OrbitZone ZoneOf(const StarSystem& system, Distance d);

// True when BiozoneMin <= d <= BiozoneMax.
bool WithinBiozone(const StarSystem& system, Distance d);

// What a contents roll gives an orbit.
struct RolledOrbit {
    std::int32_t Type = 0;
    std::int16_t Radius = 0;
    std::int16_t Moons = 0;
    ElementText Elements;
};

// Full-circle and arc positions of a planet, in drawing units from the star.
struct OrbitPositions {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t XArc = 0;
    std::int32_t YArc = 0;
};

// The options a generation reads: Life Support for the environments, Bio
// Zone for the zones of the star.
struct GenerationOptions {
    LifeSupportLevel lifeSupport = LifeSupportLevel::Average;
    BiozoneWidth biozone = BiozoneWidth::Normal;
};

// Replaces the whole system: name, system type, star, zones and the ten
// orbits. A new system has no file and a black background; those, and
// showing the new name, are the caller's.
void GenerateSystem(StarSystem& system, Random& random, const GenerationOptions& options);

// New orbits around the current star; the star, zones and name stay.
void GenerateOrbitsOnly(StarSystem& system, Random& random, LifeSupportLevel lifeSupport);

void SetSystemType(StarSystem& system);

// Rolls class and type of the star, then calls ComputeZones.
void RollStar(StarSystem& system, Random& random, BiozoneWidth biozoneOption);

// True when the star table holds the pair of type and class.
bool StarTableHolds(std::int32_t starType, std::int16_t starClass);

// Zones and inner limit from the star table, widened by the Biozone option
// (any value but Normal and Triple widens as Double does). A pair the table
// lacks changes nothing.
void ComputeZones(StarSystem& system, BiozoneWidth biozoneOption);

// The orbit pass: ten distances, then per orbit its contents and, for a
// planet, its positions.
void RunOrbitPass(StarSystem& system, Random& random, LifeSupportLevel lifeSupport);

std::array<Distance, StarSystem::OrbitCount> ComputeOrbitDistances(const StarSystem& system, Random& random);

// Orbit n (1 to 10) at distance d: nothing, an asteroid belt or a planet,
// with the white-dwarf rule applied.
RolledOrbit RollOrbitContents(const StarSystem& system, Random& random, LifeSupportLevel lifeSupport, int n,
                              Distance d);

// Overwrites type (environment), radius, moons and elements with a new planet
// for orbit n at distance d.
void MakePlanet(const StarSystem& system, Random& random, LifeSupportLevel lifeSupport, int n, Distance d,
                std::int32_t& type, std::int16_t& radius, std::int16_t& moons, ElementText& elements);

void MakeAsteroidBelt(ElementText& elements, Random& random);

// Writes every position: the i-th capital letter when a roll of 1 to 3 * i
// is 5 or less, else a space.
void RollElements(ElementText& elements, Random& random);

// A random point on orbit n's full circle and on its visible arc; one draw.
OrbitPositions ComputeOrbitPositions(int n, Random& random);

// Stores positions in the orbit's four position fields.
void StorePositions(OrbitRecord& orbit, const OrbitPositions& positions);

// Drawing radius of orbit slot n: 45 * (n + 1) - 20.
constexpr int OrbitSlotRadius(int n)
{
    return 45 * (n + 1) - 20;
}

} // namespace kelvane
