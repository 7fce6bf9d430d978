#pragma once

#include <QMainWindow>

class QAction;
class QComboBox;
class QMdiArea;
class QMenu;
class QToolButton;

namespace kelvane {

class Controller;

// The main window: a frame whose client area holds the child windows, with
// the toolbar strip, the display-style combo and the menu bar. It also keeps
// the two popup menus that the Information window shows. Every command goes
// to the controller; the window itself only keeps its checkmarks in step.
class mdiMain final : public QMainWindow {
    Q_OBJECT

public:
    explicit mdiMain(Controller& controller);

    QMdiArea* ClientArea() const { return m_mdiArea; }
    QComboBox* OrbitDisplayCombo() const { return m_cmbOrbitDisplay; }
    QMenu* ContainsPopup() const { return m_popContains; }
    QMenu* EnvironmentPopup() const { return m_popEnv; }

    // The load step: placement and the checkmarks of the toggles.
    void Load();

    // Selects the combo entry that matches an OrbitDisplay value (1 Arced,
    // 3 Complete, 2 Flat); any other value leaves the combo as it is.
    void SelectOrbitDisplay(std::int16_t orbitDisplay);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateToolbar();
    void CreateFileMenu();
    void CreateOptionsMenu();
    void CreateWindowMenu();
    void CreateHelpMenu();
    void CreatePopupMenus();
    void UpdateFileChecks();
    void UpdateOptionsChecks();
    void UpdateWindowMenu();
    void OnOrbitDisplaySelected(int index);

    Controller& m_controller;
    QMdiArea* m_mdiArea = nullptr;
    QComboBox* m_cmbOrbitDisplay = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_popContains = nullptr;
    QMenu* m_popEnv = nullptr;

    QAction* m_swap = nullptr;
    QAction* m_lifeSupport[4] = {};
    QAction* m_biozone[3] = {};
    QAction* m_orbitArced = nullptr;
    QAction* m_orbitComplete = nullptr;
    QAction* m_orbitFlat = nullptr;
    QAction* m_visible = nullptr;
    QAction* m_white = nullptr;
    QAction* m_thicker = nullptr;
    QAction* m_color = nullptr;
    QAction* m_showQuickTips = nullptr;
};

} // namespace kelvane
