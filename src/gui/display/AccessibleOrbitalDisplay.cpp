#include "gui/display/AccessibleOrbitalDisplay.h"

#include "core/model/SystemDescription.h"
#include "gui/display/AccessibleDrawing.h"
#include "gui/display/frmOrbitalDisplay.h"
#include "platform/UserDecimalSeparator.h"
#include "render/QtText.h"

namespace kelvane {

namespace {

// Part 0 is the star, parts 1 to 10 the orbits of those numbers.
class AccessibleOrbitalDisplay final : public AccessibleDrawing {
public:
    explicit AccessibleOrbitalDisplay(frmOrbitalDisplay* display)
        : AccessibleDrawing(display, frmOrbitalDisplay::tr("Orbital Display")), m_display(display)
    {}

    int PartCount() const override { return 1 + StarSystem::OrbitCount; }
    QString PartName(int index) const override
    {
        const StarSystem& system = m_display->System();
        return ToQt(index == 0 ? StarDescription(system)
                               : OrbitDescription(system, index, UserDecimalSeparator()));
    }
    int PartAt(const QPoint& position) const override
    {
        const int n = m_display->OrbitAt(position);
        return n == 0 ? -1 : n;
    }

private:
    frmOrbitalDisplay* m_display;
};

QAccessibleInterface* Factory(const QString& /*key*/, QObject* object)
{
    if (auto* display = qobject_cast<frmOrbitalDisplay*>(object))
        return new AccessibleOrbitalDisplay(display);
    return nullptr;
}

} // namespace

void InstallOrbitalDisplayAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

} // namespace kelvane
