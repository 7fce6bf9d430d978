#include "gui/sector/SectorCaptions.h"

#include <QCoreApplication>

#include "core/sector/SectorMap.h"
#include "render/CoreText.h"
#include "render/QtText.h"

namespace kelvane {

QString SectorCaption(const Sector& sector)
{
    // A sector not named yet is called after its seed, in the user's
    // language; a name given is shown as it is.
    const QString name = sector.name.empty() ? QCoreApplication::translate("SectorCaptions", "Sector %1")
                                                   .arg(QString::number(sector.options.seed))
                                             : ToQt(sector.name);
    const QString width = QString::number(sector.options.width);
    const QString height = QString::number(sector.options.height);
    const std::size_t count = sector.systems.size();
    if (count == 1)
        return QCoreApplication::translate("SectorCaptions", "%1: %2 x %3 hexes, 1 system")
            .arg(name, width, height);
    return QCoreApplication::translate("SectorCaptions", "%1: %2 x %3 hexes, %4 systems")
        .arg(name, width, height, QString::number(count));
}

QString GenerationCaption(const SectorOptions& options)
{
    return QCoreApplication::translate("SectorCaptions", "Life Support %1, Bio Zone %2")
        .arg(CoreText(LifeSupportWord(options.lifeSupport)), CoreText(BiozoneWord(options.biozone)));
}

QString OptionsCaption(const SectorOptions& options)
{
    return QCoreApplication::translate("SectorCaptions", "%1, density %2")
        .arg(GenerationCaption(options), ToQt(DensityText(options.density)));
}

} // namespace kelvane
