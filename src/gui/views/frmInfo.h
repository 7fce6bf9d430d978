#pragma once

#include <QWidget>
#include <array>

#include "core/model/StarSystem.h"

class QLabel;
class QLineEdit;

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Column = std::array<QLabel*, StarSystem::OrbitCount>;

    void CreateUpperBlock();
    void CreateTable();
    void OnNameChanged(const QString& text);
    void OnContainsReleased(int row);
    void OnEnvironmentReleased(int row);

    Controller& m_controller;
    QLineEdit* m_txtInput = nullptr;
    QLabel* m_starTypeLabel = nullptr;
    QLabel* m_starClassLabel = nullptr;
    QLabel* m_biozoneLabel = nullptr;
    Column m_containsLabel{};
    Column m_environmentLabel{};
    Column m_moonsLabel{};
    Column m_auLabel{};
};

} // namespace kelvane
