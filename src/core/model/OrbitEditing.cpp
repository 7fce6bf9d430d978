#include "core/model/OrbitEditing.h"

#include "core/model/PlanetRadius.h"
#include "core/model/modGenerate.h"

namespace kelvane {

namespace {

// An asteroid belt keeps elements it already has; a bare one gets new ones.
void MakeBelt(OrbitRecord& orbit, Random& random)
{
    orbit.Type = TypeAsteroids;
    if (orbit.Elements.IsEmpty())
        RollElements(orbit.Elements, random);
}

void MakeEmpty(OrbitRecord& orbit)
{
    orbit.Type = TypeNothing;
    orbit.Elements = ElementText();
}

} // namespace

void ApplyForceOrbit(StarSystem& system, Random& random, int n, const ForceChoice& choice)
{
    random.Reseed();
    OrbitRecord& orbit = system.Orbit(n);
    const bool wasPlanet = IsPlanetType(orbit.Type);

    switch (choice.contents) {
    case ContentsPlanet:
        switch (choice.environment) {
        case TypeEnvHostile:
        case TypeEnvPoor:
        case TypeEnvAverage:
        case TypeEnvGood:
        case TypeEnvExcellent: orbit.Type = choice.environment; break;
        default: orbit.Type = TypeEnvNone; break;
        }
        if (!wasPlanet) {
            orbit.Moons = static_cast<std::int16_t>(Roll0(random, 6));
            orbit.Radius = RollPlanetRadius(random, n);
            if (orbit.Elements.IsEmpty())
                RollElements(orbit.Elements, random);
            StorePositions(orbit, ComputeOrbitPositions(n, random));
        }
        break;
    case ContentsAsteroids: MakeBelt(orbit, random); break;
    case ContentsNothing: MakeEmpty(orbit); break;
    }
}

void SetOrbitContents(StarSystem& system, Random& random, LifeSupportLevel lifeSupport, int n,
                      OrbitContents contents)
{
    OrbitRecord& orbit = system.Orbit(n);
    switch (contents) {
    case ContentsPlanet:
        MakePlanet(system, random, lifeSupport, n, orbit.AU, orbit.Type, orbit.Radius, orbit.Moons,
                   orbit.Elements);
        StorePositions(orbit, ComputeOrbitPositions(n, random));
        break;
    case ContentsAsteroids: MakeBelt(orbit, random); break;
    case ContentsNothing: MakeEmpty(orbit); break;
    }
}

void SetOrbitEnvironment(StarSystem& system, int n, std::int32_t environment)
{
    system.Orbit(n).Type = environment;
}

} // namespace kelvane
