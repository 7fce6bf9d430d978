#pragma once

#include <QWidget>

namespace kelvane {

class Controller;

// The Information window: the system's name, star, habitable zone and one
// row per orbit; right-clicks on the Contains and Environment cells open the
// popup menus for that orbit.
class frmInfo final : public QWidget {
    Q_OBJECT

public:
    explicit frmInfo(Controller& controller);

    // Rewrites every value control from the current state.
    void RefreshForm();

private:
    Controller& m_controller;
};

} // namespace kelvane
