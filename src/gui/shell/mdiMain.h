#pragma once

#include <QList>
#include <QMainWindow>
#include <cstdint>

#include "core/AppState.h"
#include "core/model/Codes.h"
#include "gui/shell/ActionTable.h"

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMenu;
class QUndoStack;

namespace kelvane {

// The main window: a frame whose client area holds the child windows, with
// the toolbar strip, the display-style combo, the menu bar and the status
// bar. Its menus, and the two popup menus that the Information window asks
// for, are built from a table of actions; Undo and Redo are the history's.
// It reads the state it is given; the handlers in the table change it. The
// window itself only keeps its checkmarks in step.
class mdiMain final : public QMainWindow {
    Q_OBJECT

public:
    mdiMain(const AppState& app, const QUndoStack& history, const ActionTable& actions);
    ~mdiMain() override;

    QMdiArea* ClientArea() const { return m_mdiArea; }
    QComboBox* OrbitDisplayCombo() const { return m_cmbOrbitDisplay; }
    QMenu* ContainsPopup() const { return m_popContains; }
    QMenu* EnvironmentPopup() const { return m_popEnv; }
    // The item of the table with this id.
    QAction* Action(const QString& id) const;

    // The load step: applies or captures the window's placement, which the
    // caller keeps, and sets the checkmarks of the toggles.
    void Load(WindowPlacement& placement);
    // Selects the combo entry that matches an OrbitDisplay value (Arced,
    // Complete, Flat in this order); any other value leaves the combo as it is.
    void SelectOrbitDisplay(OrbitDisplayStyle orbitDisplay);
    // When the menu checkmarks are set from the settings.
    enum class CheckmarkMoment { Load, FileMenuOpens, OptionsMenuOpens };
    // Sets the checkmarks that this moment sets from the current settings.
    void UpdateCheckmarks(CheckmarkMoment moment);
    // The current system's code in the status bar, and Copy System Code
    // enabled; an empty code shows nothing and disables the item.
    void ShowSystemCode(const QString& code);

signals:
    // An entry of the display-style combo was selected, by the user or by
    // a refresh.
    void OrbitDisplayComboChosen(kelvane::OrbitDisplayStyle value);
    // The window is closing, by any means: the settings are to be saved.
    void Closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus(const QUndoStack& history, const ActionTable& actions);
    void CreateToolbar();
    // The status bar, which shows the current system's code.
    void CreateStatusBar();
    void UpdateWindowMenu();
    void OnOrbitDisplaySelected(int index);
    // Whether the option a toggle item stands for is on.
    bool IsOn(const QAction* toggle) const;

    const AppState& m_app;
    QMdiArea* m_mdiArea = nullptr;
    QComboBox* m_cmbOrbitDisplay = nullptr;
    QMenu* m_windowMenu = nullptr;
    QAction* m_showQuickTips = nullptr;
    QMenu* m_popContains = nullptr;
    QMenu* m_popEnv = nullptr;
    // The shortcut keys of the menu bar's items, which win over any control.
    QList<QKeySequence> m_menuShortcuts;
    QLabel* m_systemCode = nullptr;
};

} // namespace kelvane
