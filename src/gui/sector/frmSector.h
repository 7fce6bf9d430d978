#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "core/sector/Sector.h"

class QLabel;

namespace kelvane {

class SectorMapView;

// The Sector window: the open sector's map, its title in the caption, and
// under the map how its systems were made and where it was read from or
// saved to. A click on a system reports its hex; the controller makes it the
// current system. Closing the window closes the sector.
class frmSector final : public QWidget {
    Q_OBJECT

public:
    explicit frmSector(QWidget* parent = nullptr);

    SectorMapView* MapView() const { return m_map; }
    // The frame size on first opening, before any placement is saved.
    static QSize DesignedSize();

    // Shows sector, which stays the controller's, fitted in the window;
    // folder is where it lives, empty for one not saved yet.
    void ShowSector(const Sector* sector, const QString& folder);
    // The sector's systems changed: the map and the caption are drawn anew.
    void Redraw();
    // The sector now lives in folder; the map stays as it is shown.
    void SetFolder(const QString& folder);
    // Outlines the current system's hex, or none.
    void SetCurrentHex(std::optional<HexNumber> hex);

signals:
    void HexClicked(kelvane::HexNumber hex);
    // The user is closing the window.
    void Closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowCaption();

    const Sector* m_sector = nullptr;
    QString m_folder;
    SectorMapView* m_map;
    QLabel* m_info;
};

} // namespace kelvane
