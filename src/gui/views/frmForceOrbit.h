#pragma once

#include <QDialog>

namespace kelvane {

class Controller;

// The Force Orbit dialog: what one orbit holds, chosen by the user. Shown
// without blocking; created once, then only hidden and shown again.
class frmForceOrbit final : public QDialog {
    Q_OBJECT

public:
    frmForceOrbit(Controller& controller, QWidget* parent);

    // Fills the dialog for orbit n (1 to 10) and shows it.
    void ForceOrbit(int n);

private:
    Controller& m_controller;
};

} // namespace kelvane
