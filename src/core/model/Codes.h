#pragma once

#include <cstdint>
#include <string_view>

namespace kelvane {

// A colour value, 0x00BBGGRR: blue in the high byte, red in the low byte.
using Colour = std::int32_t;

// The two plain colours of the tables: cells are white, and the distance
// cells of orbits inside the habitable zone are blue.
inline constexpr Colour ColourWhite = 0xFFFFFF;
inline constexpr Colour ColourBlue = 0xFF0000;

// The values of OrbitRecord::Type. They are codes and colours at once: a
// planet is drawn in the colour of its environment.
enum OrbitType : std::int32_t {
    TypeNothing = 0,
    TypeAsteroids = 16512,       // brown (128, 64, 0)
    TypeEnvNone = 16777215,      // white
    TypeEnvHostile = 255,        // red
    TypeEnvPoor = 65535,         // yellow
    TypeEnvAverage = 65280,      // green
    TypeEnvGood = 16776960,      // cyan
    TypeEnvExcellent = 16711680, // blue
};

// What an orbit holds, as the contents roll and the contents popup name it.
enum OrbitContents : std::int16_t {
    ContentsNothing = 0,
    ContentsPlanet = 1,
    ContentsAsteroids = 2,
};

// Luminosity class codes of StarSystem::StarClass.
enum StarClassCode : std::int16_t {
    ClassSubdwarf = 10,
    ClassWhiteDwarf = 15,
    ClassMainSequence = 25,
    ClassSubgiant = 35,
    ClassGiant = 45,
    ClassLargeGiant = 55,
    ClassSuperGiant = 80,
};

// Spectral types of StarSystem::StarType, held as the colour of the star.
enum StarTypeCode : std::int32_t {
    StarBlue = 16711680,
    StarBlueWhite = 16777152,
    StarWhite = 16777215,
    StarYellowWhite = 8454143,
    StarYellow = 65535,
    StarOrange = 33023,
    StarRed = 255,
};

// The six planet environments from worst to best.
inline constexpr std::int32_t EnvironmentCodes[6] = {
    TypeEnvNone, TypeEnvHostile, TypeEnvPoor, TypeEnvAverage, TypeEnvGood, TypeEnvExcellent,
};

// Generation and forcing treat every Type other than nothing and asteroids as
// a planet.
constexpr bool IsPlanetType(std::int32_t type)
{
    return type != TypeNothing && type != TypeAsteroids;
}

// One of the six environment codes.
bool IsEnvironment(std::int32_t type);

// What the tables show an orbit holds: "Planet" for the six environment
// codes, "Asteroids" for a belt, empty text for nothing and any other value.
std::string_view ContentsName(std::int32_t type);

// The word for what an orbit holds in JSON and CSV: "nothing", "asteroids",
// "planet" for the six environment codes, "unknown" for any other value.
std::string_view ContentsKeyword(std::int32_t type);

// "None" ... "Excellent" for the six environment codes; empty text otherwise.
std::string_view EnvironmentName(std::int32_t type);

// The display name of a luminosity class code; empty text for any other code.
std::string_view StarClassName(std::int16_t starClass);

// The display name of a spectral type; white is "White Dwarf (D)" when the
// class is 15. Empty text for any other type value.
std::string_view StarTypeName(std::int32_t starType, std::int16_t starClass);

} // namespace kelvane
