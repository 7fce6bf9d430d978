#include "gui/sector/frmSector.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "core/sector/SectorMap.h"
#include "gui/sector/SectorMapView.h"
#include "render/QtText.h"

namespace kelvane {

frmSector::frmSector(QWidget* parent)
    : QWidget(parent), m_map(new SectorMapView(this)), m_info(new QLabel(this))
{
    setObjectName(QStringLiteral("frmSector"));
    setWindowTitle(tr("Sector"));
    m_map->setObjectName(QStringLiteral("picSectorMap"));
    m_info->setObjectName(QStringLiteral("lblSectorInfo"));
    m_info->setTextFormat(Qt::PlainText);
    m_info->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_info->setContentsMargins(4, 2, 4, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_map, 1);
    layout->addWidget(m_info);
    connect(m_map, &SectorMapView::HexClicked, this, &frmSector::HexClicked);
}

QSize frmSector::DesignedSize()
{
    return {760, 560};
}

void frmSector::ShowSector(const Sector* sector, const QString& folder)
{
    m_sector = sector;
    m_folder = folder;
    m_map->SetSector(sector);
    ShowCaption();
}

void frmSector::Redraw()
{
    m_map->Redraw();
    ShowCaption();
}

void frmSector::SetFolder(const QString& folder)
{
    m_folder = folder;
    ShowCaption();
}

void frmSector::SetCurrentHex(std::optional<HexNumber> hex)
{
    m_map->SetCurrentHex(hex);
}

void frmSector::ShowCaption()
{
    if (m_sector == nullptr) {
        setWindowTitle(tr("Sector"));
        m_info->clear();
        return;
    }
    setWindowTitle(ToQt(SectorTitle(*m_sector)));
    const QString options = ToQt(SectorOptionsText(m_sector->options));
    m_info->setText(m_folder.isEmpty() ? tr("%1; not saved").arg(options)
                                       : tr("%1; in %2").arg(options, m_folder));
}

void frmSector::closeEvent(QCloseEvent* event)
{
    emit Closing();
    // The sector is the controller's and goes with the window.
    m_sector = nullptr;
    m_map->SetSector(nullptr);
    event->accept();
}

} // namespace kelvane
