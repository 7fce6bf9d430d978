#include "core/sector/SystemMaker.h"

#include <memory>

#include "core/model/modGenerate.h"

namespace kelvane {

StarSystem SystemMaker::Make(const SystemCode& code)
{
    if (code.kind != SystemCode::Kind::Batch || code.index != 1)
        return RegenerateSystem(code);
    // A fresh run starts from an empty system: the position fields that
    // generation keeps for orbits without a planet are 0.
    m_app.system = StarSystem();
    m_app.settings.LifeSupport = code.lifeSupport;
    m_app.settings.Biozone = code.biozone;
    m_app.random = std::make_unique<RandomSource>(RandomSource::Deterministic(code.seed));
    GenerateSystem(m_app);
    return m_app.system;
}

} // namespace kelvane
