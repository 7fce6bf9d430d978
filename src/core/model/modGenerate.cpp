#include "core/model/modGenerate.h"

#include <bit>
#include <cmath>

#include "core/model/Codes.h"
#include "core/model/PlanetRadius.h"

namespace kelvane {

namespace {

// One row of the star table: the zone and inner limit of a type and class.
struct StarZones {
    std::int32_t type;
    std::int16_t starClass;
    Distance min, max, inner;
};

constexpr Distance AU(std::int64_t whole)
{
    return Distance::FromUnits(whole * Distance::UnitsPerAU);
}
constexpr Distance Tenths(std::int64_t t)
{
    return Distance::FromTenths(t);
}
constexpr Distance Hundredths(std::int64_t h)
{
    return Distance::FromHundredths(h);
}

constexpr StarZones StarTable[] = {
    {StarBlue, 25, AU(500), AU(750), AU(10)},
    {StarBlue, 80, AU(630), AU(950), AU(13)},

    {StarBlueWhite, 25, AU(30), AU(45), Tenths(6)},
    {StarBlueWhite, 35, AU(180), AU(270), Tenths(38)},
    {StarBlueWhite, 45, AU(200), AU(300), AU(4)},
    {StarBlueWhite, 55, AU(250), AU(375), AU(5)},
    {StarBlueWhite, 80, AU(320), AU(480), Tenths(63)},

    {StarWhite, 15, Hundredths(3), Hundredths(3), AU(0)},
    {StarWhite, 25, Tenths(31), Tenths(47), AU(0)},
    {StarWhite, 35, AU(4), AU(6), AU(0)},
    {StarWhite, 45, AU(5), Tenths(75), AU(0)},
    {StarWhite, 55, AU(20), AU(30), Tenths(4)},
    {StarWhite, 80, AU(50), AU(75), AU(1)},

    {StarYellowWhite, 25, Tenths(16), Tenths(24), AU(0)},
    {StarYellowWhite, 35, AU(2), AU(3), AU(0)},
    {StarYellowWhite, 45, Tenths(25), Tenths(37), Tenths(1)},
    {StarYellowWhite, 55, AU(13), AU(19), Tenths(3)},
    {StarYellowWhite, 80, AU(50), AU(75), AU(1)},

    {StarYellow, 10, Tenths(5), Tenths(8), AU(0)},
    {StarYellow, 25, Tenths(8), Tenths(12), AU(0)},
    {StarYellow, 35, AU(1), Tenths(15), AU(0)},
    {StarYellow, 45, Tenths(31), Tenths(47), Tenths(1)},
    {StarYellow, 55, AU(13), AU(19), Tenths(3)},
    {StarYellow, 80, AU(50), AU(75), AU(1)},

    {StarOrange, 10, Tenths(2), Tenths(3), AU(0)},
    {StarOrange, 25, Tenths(5), Tenths(6), AU(0)},
    {StarOrange, 35, AU(1), Tenths(15), AU(0)},
    {StarOrange, 45, AU(4), Tenths(59), Tenths(1)},
    {StarOrange, 55, AU(13), AU(19), Tenths(3)},
    {StarOrange, 80, AU(50), AU(75), AU(1)},

    {StarRed, 10, Tenths(1), Tenths(1), AU(0)},
    {StarRed, 25, Tenths(1), Tenths(2), AU(0)},
    {StarRed, 45, AU(5), Tenths(75), Tenths(1)},
    {StarRed, 55, AU(16), AU(24), Tenths(3)},
    {StarRed, 80, AU(50), AU(76), AU(1)},
};

// Life Support thresholds t1 to t5 for the environment roll in the zone.
struct Thresholds {
    int t[5];
};

Thresholds LifeSupportThresholds(LifeSupportLevel lifeSupport)
{
    switch (lifeSupport) {
    case LifeSupportLevel::Poor: return {{10, 20, 24, 26, 28}};
    case LifeSupportLevel::Average: return {{5, 10, 15, 20, 25}};
    case LifeSupportLevel::Good: return {{3, 6, 11, 18, 25}};
    // Excellent, and any value a hand-edited settings file holds.
    default: return {{2, 4, 10, 15, 20}};
    }
}

// Arc limit of orbit n, in degrees.
double ArcLimit(int n)
{
    static constexpr double limits[StarSystem::OrbitCount] = {75, 80, 80, 80, 60, 50, 40, 35, 30, 25};
    return limits[n - 1];
}

// The smallest draw for which a roll of 1 to n exceeds 5 (1 when none does).
constexpr float FirstDrawRollingAboveFive(int n)
{
    std::uint32_t low = 0;
    auto high = std::bit_cast<std::uint32_t>(1.0f);
    while (low < high) {
        const std::uint32_t mid = low + (high - low) / 2;
        if (RollOf(std::bit_cast<float>(mid), n) > 5)
            high = mid;
        else
            low = mid + 1;
    }
    return std::bit_cast<float>(low);
}

// Element i is present when a roll of 1 to 3i is 5 or less, that is when its
// draw lies below entry i - 1 here. Comparing the draw with a limit found
// once gives the same letters as rolling, at a fraction of the cost.
constexpr auto ElementDrawLimits = [] {
    std::array<float, ElementText::Length> limits{};
    for (int i = 1; i <= static_cast<int>(ElementText::Length); ++i)
        limits[static_cast<std::size_t>(i - 1)] = FirstDrawRollingAboveFive(3 * i);
    return limits;
}();

std::int32_t RoundHalfEven(double value)
{
    return static_cast<std::int32_t>(std::nearbyint(value));
}

std::int32_t HabitableEnvironment(Random& random, LifeSupportLevel lifeSupport)
{
    // r is not rounded: 1 <= r < 31, so each band's chance is its width / 30.
    const double r = 30.0 * static_cast<double>(random.Draw()) + 1.0;
    const Thresholds th = LifeSupportThresholds(lifeSupport);
    if (r <= th.t[0])
        return TypeEnvNone;
    if (r <= th.t[1])
        return TypeEnvHostile;
    if (r <= th.t[2])
        return TypeEnvPoor;
    if (r <= th.t[3])
        return TypeEnvAverage;
    if (r <= th.t[4])
        return TypeEnvGood;
    return TypeEnvExcellent;
}

} // namespace

OrbitZone ZoneOf(const StarSystem& system, Distance d)
{
    if (d < system.InnerLimit)
        return OrbitZone::BelowInnerLimit;
    if (d < system.BiozoneMin)
        return OrbitZone::Inner;
    if (d > system.BiozoneMax)
        return OrbitZone::Outer;
    return OrbitZone::Habitable;
}

bool WithinBiozone(const StarSystem& system, Distance d)
{
    return system.BiozoneMin <= d && d <= system.BiozoneMax;
}

void GenerateSystem(StarSystem& system, Random& random, const GenerationOptions& options)
{
    system.SystemName = "Unnamed System";
    SetSystemType(system);
    if (system.SystemType == 1) {
        RollStar(system, random, options.biozone);
        RunOrbitPass(system, random, options.lifeSupport);
    }
}

void GenerateOrbitsOnly(StarSystem& system, Random& random, LifeSupportLevel lifeSupport)
{
    if (system.SystemType == 1)
        RunOrbitPass(system, random, lifeSupport);
}

void SetSystemType(StarSystem& system)
{
    system.SystemType = 1;
}

void RollStar(StarSystem& system, Random& random, BiozoneWidth biozoneOption)
{
    random.Reseed();
    const int classRoll = Roll(random, 15);
    if (classRoll <= 3) {
        system.StarClass = ClassWhiteDwarf;
        system.StarType = StarWhite;
        ComputeZones(system, biozoneOption);
        return;
    }
    if (classRoll == 4) {
        system.StarClass = ClassSubdwarf;
    } else if (classRoll <= 14) {
        system.StarClass = ClassMainSequence;
    } else {
        const int giantRoll = Roll(random, 15);
        if (giantRoll == 1)
            system.StarClass = ClassSuperGiant;
        else if (giantRoll == 2)
            system.StarClass = ClassLargeGiant;
        else if (giantRoll <= 10)
            system.StarClass = ClassGiant;
        else
            system.StarClass = ClassSubgiant;
    }

    if (system.StarClass == ClassSubdwarf) {
        const int roll = Roll(random, 6);
        system.StarType = roll == 1 ? StarYellow : roll == 2 ? StarOrange : StarRed;
    } else if (system.StarClass == ClassMainSequence) {
        static constexpr std::int32_t types[7] = {StarBlue,   StarBlueWhite, StarWhite, StarYellowWhite,
                                                  StarYellow, StarOrange,    StarRed};
        const int roll = Roll(random, 15);
        system.StarType = types[roll <= 7 ? roll - 1 : 6];
    } else {
        const int roll = Roll(random, 12);
        if (roll == 1)
            system.StarType = StarBlue;
        else if (roll == 2)
            system.StarType = StarRed;
        else if (roll <= 4)
            system.StarType = StarBlueWhite;
        else if (roll <= 8)
            system.StarType = StarOrange;
        else
            system.StarType = StarWhite;

        if (system.StarType == StarBlue && system.StarClass != ClassSuperGiant)
            system.StarClass = ClassSuperGiant;
        if (system.StarType == StarRed && system.StarClass == ClassSubgiant)
            system.StarClass = ClassGiant;
    }
    ComputeZones(system, biozoneOption);
}

bool StarTableHolds(std::int32_t starType, std::int16_t starClass)
{
    for (const StarZones& row : StarTable)
        if (row.type == starType && row.starClass == starClass)
            return true;
    return false;
}

void ComputeZones(StarSystem& system, BiozoneWidth biozoneOption)
{
    const StarZones* row = nullptr;
    for (const StarZones& candidate : StarTable)
        if (candidate.type == system.StarType && candidate.starClass == system.StarClass)
            row = &candidate;
    if (row == nullptr)
        return;
    system.BiozoneMin = row->min;
    system.BiozoneMax = row->max;
    system.InnerLimit = row->inner;

    if (biozoneOption == BiozoneWidth::Normal)
        return;
    Distance width = system.BiozoneMax - system.BiozoneMin;
    // Double, and any value a hand-edited settings file holds, widen once.
    if (biozoneOption == BiozoneWidth::Triple)
        width = width * 2;
    const Distance half = Distance::FromDouble(width.ToDouble() / 2.0);
    system.BiozoneMin -= half;
    system.BiozoneMax += half;
    if (system.BiozoneMin < system.InnerLimit)
        system.BiozoneMin = system.InnerLimit;
}

void RunOrbitPass(StarSystem& system, Random& random, LifeSupportLevel lifeSupport)
{
    const auto distances = ComputeOrbitDistances(system, random);
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        const Distance d = distances[static_cast<std::size_t>(n - 1)];
        const RolledOrbit rolled = RollOrbitContents(system, random, lifeSupport, n, d);
        OrbitRecord& orbit = system.Orbit(n);
        orbit.Type = rolled.Type;
        orbit.Radius = rolled.Radius;
        orbit.Moons = rolled.Moons;
        orbit.Elements = rolled.Elements;
        orbit.AU = d;
        if (IsPlanetType(orbit.Type))
            StorePositions(orbit, ComputeOrbitPositions(n, random));
    }
}

std::array<Distance, StarSystem::OrbitCount> ComputeOrbitDistances(const StarSystem& system, Random& random)
{
    random.Reseed();
    const Distance base = Distance::FromTenths(Roll(random, 5));
    Distance step;
    if (system.StarClass == ClassSubdwarf && system.StarType == StarRed) {
        step = Distance::FromTenths(2);
    } else {
        const int roll = Roll(random, 3);
        step = roll == 1   ? Distance::FromTenths(3)
               : roll == 2 ? Distance::FromHundredths(35)
                           : Distance::FromTenths(4);
    }
    std::array<Distance, StarSystem::OrbitCount> d;
    d[0] = base;
    for (std::size_t i = 1; i < d.size(); ++i)
        d[i] = base + step * (std::int64_t{1} << (i - 1));
    return d;
}

RolledOrbit RollOrbitContents(const StarSystem& system, Random& random, LifeSupportLevel lifeSupport, int n,
                              Distance d)
{
    random.Reseed();
    RolledOrbit rolled;
    OrbitContents contents = ContentsNothing;
    const OrbitZone zone = ZoneOf(system, d);
    if (zone != OrbitZone::BelowInnerLimit) {
        const int roll = Roll(random, 20);
        int planetUpTo = 10;
        int asteroidsFrom = 20;
        if (zone == OrbitZone::Outer)
            asteroidsFrom = 19;
        else if (zone == OrbitZone::Habitable)
            planetUpTo = 15;
        if (roll <= planetUpTo)
            contents = ContentsPlanet;
        else if (roll >= asteroidsFrom)
            contents = ContentsAsteroids;
    }

    if (contents == ContentsPlanet) {
        MakePlanet(system, random, lifeSupport, n, d, rolled.Type, rolled.Radius, rolled.Moons,
                   rolled.Elements);
    } else if (contents == ContentsAsteroids) {
        rolled.Type = TypeAsteroids;
        MakeAsteroidBelt(rolled.Elements, random);
    }

    // Near a white dwarf nothing survives, and up to 40 AU no planet is more
    // than barren rock; what was rolled for the record otherwise stays.
    if (system.StarClass == ClassWhiteDwarf) {
        if (d < Distance::FromTenths(10))
            rolled.Type = TypeNothing;
        else if (d < Distance::FromTenths(400) && contents == ContentsPlanet)
            rolled.Type = TypeEnvNone;
    }
    return rolled;
}

void MakePlanet(const StarSystem& system, Random& random, LifeSupportLevel lifeSupport, int n, Distance d,
                std::int32_t& type, std::int16_t& radius, std::int16_t& moons, ElementText& elements)
{
    switch (ZoneOf(system, d)) {
    case OrbitZone::BelowInnerLimit: type = TypeEnvNone; break;
    case OrbitZone::Inner: {
        const int roll = Roll(random, 20);
        type = roll <= 8 ? TypeEnvNone : roll <= 17 ? TypeEnvHostile : TypeEnvPoor;
        break;
    }
    case OrbitZone::Outer: {
        const int roll = Roll(random, 20);
        type = roll <= 10 ? TypeEnvNone : roll <= 19 ? TypeEnvHostile : TypeEnvPoor;
        break;
    }
    case OrbitZone::Habitable: type = HabitableEnvironment(random, lifeSupport); break;
    }
    radius = RollPlanetRadius(random, n);
    moons = static_cast<std::int16_t>((radius - 4) * static_cast<double>(random.Draw()));
    RollElements(elements, random);
}

void MakeAsteroidBelt(ElementText& elements, Random& random)
{
    RollElements(elements, random);
}

void RollElements(ElementText& elements, Random& random)
{
    float draws[ElementText::Length];
    random.DrawMany(draws, ElementText::Length);
    char letters[ElementText::Length];
    for (std::size_t k = 0; k < ElementText::Length; ++k)
        letters[k] = draws[k] < ElementDrawLimits[k] ? static_cast<char>('A' + k) : ' ';
    elements.Assign(std::string_view(letters, ElementText::Length));
}

OrbitPositions ComputeOrbitPositions(int n, Random& random)
{
    const double r = OrbitSlotRadius(n);
    const double theta = 361.0 * static_cast<double>(random.Draw()) - 180.0;
    const double limit = ArcLimit(n);
    double alpha = theta;
    if (theta < 0) {
        while (alpha < -limit)
            alpha /= 2;
    } else {
        while (alpha > limit)
            alpha /= 2;
    }
    // The program turns degrees into radians with 6.28318532 as written.
    const double thetaRad = theta * 6.28318532 / 360.0;
    const OrbitPositions full{RoundHalfEven(r * std::cos(thetaRad)), RoundHalfEven(r * std::sin(thetaRad)), 0,
                              0};
    if (alpha == theta) // within the limit: the arc point is the full-circle point
        return {full.X, full.Y, full.X, full.Y};
    const double alphaRad = alpha * 6.28318532 / 360.0;
    return {full.X, full.Y, RoundHalfEven(r * std::cos(alphaRad)), RoundHalfEven(r * std::sin(alphaRad))};
}

void StorePositions(OrbitRecord& orbit, const OrbitPositions& positions)
{
    orbit.PosX = static_cast<std::int16_t>(positions.X);
    orbit.PosY = static_cast<std::int16_t>(positions.Y);
    orbit.PosXArc = static_cast<std::int16_t>(positions.XArc);
    orbit.PosYArc = static_cast<std::int16_t>(positions.YArc);
}

} // namespace kelvane
