#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "core/model/Codes.h"

namespace kelvane {

// A writer's text for each kind of orbit type, made once and looked up for
// every orbit, so that a row copies its names in one piece: one for each of
// the six environments, one for nothing, one for asteroids and one for any
// other value, made by make from a type of that kind.
class OrbitTypeTexts {
public:
    explicit OrbitTypeTexts(std::string (*make)(std::int32_t type));

    std::string_view Of(std::int32_t type) const;

private:
    static constexpr std::size_t Nothing = std::size(EnvironmentCodes);
    static constexpr std::size_t Asteroids = Nothing + 1;
    static constexpr std::size_t Other = Nothing + 2;

    std::array<std::string, Other + 1> m_texts;
};

} // namespace kelvane
