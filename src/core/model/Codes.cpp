#include "core/model/Codes.h"

namespace kelvane {

bool IsEnvironment(std::int32_t type)
{
    for (std::int32_t code : EnvironmentCodes)
        if (code == type)
            return true;
    return false;
}

std::string_view ContentsName(std::int32_t type)
{
    if (type == TypeAsteroids)
        return "Asteroids";
    return IsEnvironment(type) ? "Planet" : "";
}

std::string_view ContentsKeyword(std::int32_t type)
{
    if (type == TypeNothing)
        return "nothing";
    if (type == TypeAsteroids)
        return "asteroids";
    return IsEnvironment(type) ? "planet" : "unknown";
}

std::string_view EnvironmentName(std::int32_t type)
{
    switch (type) {
    case TypeEnvNone: return "None";
    case TypeEnvHostile: return "Hostile";
    case TypeEnvPoor: return "Poor";
    case TypeEnvAverage: return "Average";
    case TypeEnvGood: return "Good";
    case TypeEnvExcellent: return "Excellent";
    default: return {};
    }
}

std::string_view StarClassName(std::int16_t starClass)
{
    switch (starClass) {
    case ClassSubdwarf: return "Subdwarf (VI)";
    case ClassWhiteDwarf: return "White Dwarf (D)";
    case ClassMainSequence: return "Main Sequence (V)";
    case ClassSubgiant: return "Subgiant (IV)";
    case ClassGiant: return "Giant (III)";
    case ClassLargeGiant: return "Large Giant (II)";
    case ClassSuperGiant: return "Super Giant (I)";
    default: return {};
    }
}

std::string_view StarTypeName(std::int32_t starType, std::int16_t starClass)
{
    switch (starType) {
    case StarBlue: return "Blue (O)";
    case StarBlueWhite: return "Blue-White (B)";
    case StarWhite: return starClass == ClassWhiteDwarf ? "White Dwarf (D)" : "White (A)";
    case StarYellowWhite: return "Yellow-White (F)";
    case StarYellow: return "Yellow (G)";
    case StarOrange: return "Orange (K)";
    case StarRed: return "Red (M)";
    default: return {};
    }
}

} // namespace kelvane
