#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "core/AppState.h"
#include "core/model/OrbitEditing.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kelvane {

// The Force Orbit dialog: what one orbit holds, chosen by the user. Shown
// without blocking; created once, then only hidden and shown again. It reads
// the orbit from the state it is given and reports the user's choice with
// Okayed; the change itself is made by whoever listens.
class frmForceOrbit final : public QDialog {
    Q_OBJECT

public:
    frmForceOrbit(const AppState& app, QWidget* parent);

    // Fills the dialog for orbit n (1 to 10) and shows it.
    void ForceOrbit(int n);

signals:
    // OK was pressed for orbit n, the number at the end of the caption, with
    // the choice the dialog shows. The dialog is hidden already.
    void Okayed(int n, const kelvane::ForceChoice& choice);

private:
    // An environment option and the Type code it stands for.
    struct EnvironmentOption {
        QRadioButton* button;
        std::int32_t type;
    };

    void CreateControls();
    void CentreOnScreen();
    void OnPlanetToggled(bool planet);
    void OnOkay();
    // The orbit named at the end of the caption; 0 when there is none.
    int CaptionOrbit() const;

    const AppState& m_app;
    QRadioButton* m_fillOrbitPlanet = nullptr;
    QRadioButton* m_fillOrbitAsteroids = nullptr;
    QRadioButton* m_fillOrbitNothing = nullptr;
    QLabel* m_orbitAUs = nullptr;
    QLabel* m_withinBiozone = nullptr;
    std::array<EnvironmentOption, 6> m_environments{};
    QPushButton* m_okay = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace kelvane
