#include "core/export/OrbitTypeTexts.h"

namespace kelvane {

OrbitTypeTexts::OrbitTypeTexts(std::string (*make)(std::int32_t type))
{
    constexpr std::int32_t otherType = 1; // no orbit type has this value
    for (std::size_t i = 0; i < Nothing; ++i)
        m_texts[i] = make(EnvironmentCodes[i]);
    m_texts[Nothing] = make(TypeNothing);
    m_texts[Asteroids] = make(TypeAsteroids);
    m_texts[Other] = make(otherType);
}

std::string_view OrbitTypeTexts::Of(std::int32_t type) const
{
    for (std::size_t i = 0; i < Nothing; ++i)
        if (EnvironmentCodes[i] == type)
            return m_texts[i];
    if (type == TypeNothing)
        return m_texts[Nothing];
    return m_texts[type == TypeAsteroids ? Asteroids : Other];
}

} // namespace kelvane
