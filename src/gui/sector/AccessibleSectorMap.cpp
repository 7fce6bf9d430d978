#include "gui/sector/AccessibleSectorMap.h"

#include <cmath>

#include "core/sector/HexDescription.h"
#include "gui/display/AccessibleDrawing.h"
#include "gui/sector/SectorMapView.h"
#include "render/QtText.h"

namespace kelvane {

namespace {

int HexIndex(const HexGrid& grid, HexNumber hex)
{
    return (hex.column - 1) * grid.Height() + hex.row - 1;
}

class AccessibleSectorMap final : public AccessibleDrawing {
public:
    explicit AccessibleSectorMap(SectorMapView* map)
        : AccessibleDrawing(map, SectorMapView::tr("Sector map")), m_map(map)
    {}

    int PartCount() const override
    {
        const HexGrid grid = m_map->Grid();
        return m_map->ShownSector() != nullptr ? grid.Width() * grid.Height() : 0;
    }
    QString PartName(int index) const override
    {
        return ToQt(HexDescription(*m_map->ShownSector(), HexOf(index)));
    }
    QRect PartRect(int index) const override
    {
        const QPointF centre = m_map->HexCentre(HexOf(index));
        const double half = HexGrid::Size * m_map->Scale() * std::sqrt(3.0) / 2;
        const QPointF offset = m_map->viewport()->mapTo(m_map, QPointF(0, 0));
        return QRectF(centre.x() - half + offset.x(), centre.y() - half + offset.y(), 2 * half, 2 * half)
            .toRect();
    }
    QAccessible::State PartState(int index) const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        const HexNumber hex = HexOf(index);
        state.selected = m_map->CurrentHex() == hex;
        state.focused = m_map->hasFocus() && m_map->FocusHex() == hex;
        return state;
    }
    int PartAt(const QPoint& position) const override
    {
        const std::optional<HexNumber> hex =
            m_map->HexAt(m_map->viewport()->mapFrom(m_map, QPointF(position)));
        return hex ? IndexOf(*hex) : -1;
    }
    int FocusPart() const override
    {
        const std::optional<HexNumber> hex = m_map->FocusHex();
        return hex && m_map->ShownSector() != nullptr ? IndexOf(*hex) : -1;
    }

    // Hexes in the order of their numbers: column by column.
    HexNumber HexOf(int index) const
    {
        const int height = m_map->Grid().Height();
        return {index / height + 1, index % height + 1};
    }
    int IndexOf(HexNumber hex) const { return HexIndex(m_map->Grid(), hex); }

private:
    SectorMapView* m_map;
};

QAccessibleInterface* Factory(const QString& /*key*/, QObject* object)
{
    if (auto* map = qobject_cast<SectorMapView*>(object))
        return new AccessibleSectorMap(map);
    return nullptr;
}

} // namespace

void InstallSectorMapAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void AnnounceFocusHex(SectorMapView* map, HexNumber hex)
{
    AccessibleDrawing::AnnounceFocus(map, HexIndex(map->Grid(), hex));
}

} // namespace kelvane
