#pragma once

#include <QDialog>

#include "core/sector/Sector.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kelvane {

// What New Sector is asked to make: the options, and whether to take a
// random seed in place of the one given.
struct SectorRequest {
    SectorOptions options;
    bool randomSeed = true;

    bool operator==(const SectorRequest&) const = default;
};

// New Sector's dialog: the width and height of the grid, the density, and a
// random seed or one typed in. Life Support and Bio Zone are shown as the
// Options menu has them, and the sector is made with those. OK takes a typed
// seed only when it is a whole number that fits in 64 bits; otherwise the
// dialog says so and stays open.
class frmNewSector final : public QDialog {
    Q_OBJECT

public:
    // Starts from proposed, whose Life Support and Bio Zone are shown and kept.
    frmNewSector(const SectorRequest& proposed, QWidget* parent);

    // What OK accepted; the proposal before.
    const SectorRequest& Request() const { return m_request; }

private:
    void OnOkay();

    SectorRequest m_request;
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
    QDoubleSpinBox* m_density = nullptr;
    QCheckBox* m_random = nullptr;
    QLineEdit* m_seed = nullptr;
    QLabel* m_error = nullptr;
};

} // namespace kelvane
