#pragma once

#include <QList>
#include <QMainWindow>
#include <cstdint>

#include "core/AppState.h"
#include "core/model/Codes.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMdiArea;
class QMenu;
class QToolButton;

namespace kelvane {

// The main window: a frame whose client area holds the child windows, with
// the toolbar strip, the display-style combo and the menu bar. It also keeps
// the two popup menus that the Information window asks for. It reads the
// state it is given and reports every command with a signal; the controller
// carries them out. The window itself only keeps its checkmarks in step.
class mdiMain final : public QMainWindow {
    Q_OBJECT

public:
    explicit mdiMain(const AppState& app);
    ~mdiMain() override;

    QMdiArea* ClientArea() const { return m_mdiArea; }
    QComboBox* OrbitDisplayCombo() const { return m_cmbOrbitDisplay; }
    QMenu* ContainsPopup() const { return m_popContains; }
    QMenu* EnvironmentPopup() const { return m_popEnv; }

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

    // The Undo and Redo items for the steps they would act on, named as
    // the steps are; an empty name disables the item.
    void ShowHistory(const QString& undoStep, const QString& redoStep);
    // The current system's code in the status bar, and Copy System Code
    // enabled; an empty code shows nothing and disables the item.
    void ShowSystemCode(const QString& code);
    void EnableCopyText(bool enabled);
    // Save Sector As, which needs an open sector.
    void EnableSaveSector(bool enabled);

signals:
    void NewSystemRequested();
    void NewOrbitsRequested();
    void LoadRequested();
    void SaveAsRequested();
    void PrintRequested(bool preview);
    void ExitRequested();
    // The window is closing, by any means: the settings are to be saved.
    void Closing();
    void LifeSupportChosen(kelvane::LifeSupportLevel value);
    void BiozoneChosen(kelvane::BiozoneWidth value);
    void OrbitDisplayChosen(kelvane::OrbitDisplayStyle value);
    // An entry of the display-style combo was selected, by the user or by
    // a refresh.
    void OrbitDisplayComboChosen(kelvane::OrbitDisplayStyle value);
    void SwapBWToggled();
    void VisibleOrbitsToggled();
    void WhiteOrbitsToggled();
    void ThickerOrbitsToggled();
    void ColoredTextToggled();
    void ForceOrbitRequested(int n);
    void ContentsChosen(kelvane::OrbitContents contents);
    void EnvironmentChosen(std::int32_t environment);
    void QuickTipsRequested();
    void AboutRequested();
    void UndoRequested();
    void RedoRequested();
    void CopyPictureRequested();
    void CopyTextRequested();
    void CopyCodeRequested();
    void NewFromCodeRequested();
    void ExportRequested();
    void NewSectorRequested();
    void OpenSectorRequested();
    void SaveSectorAsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateToolbar();
    void CreateFileMenu();
    void CreateEditMenu();
    void CreateOptionsMenu();
    void CreateSectorMenu();
    void CreateWindowMenu();
    void CreateHelpMenu();
    void CreatePopupMenus();
    // The status bar, which shows the current system's code.
    void CreateStatusBar();
    void UpdateWindowMenu();
    void OnOrbitDisplaySelected(int index);

    const AppState& m_app;
    QMdiArea* m_mdiArea = nullptr;
    QComboBox* m_cmbOrbitDisplay = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_popContains = nullptr;
    QMenu* m_popEnv = nullptr;
    // The shortcut keys of the menu bar's items, which win over any control.
    QList<QKeySequence> m_menuShortcuts;

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
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_copyText = nullptr;
    QAction* m_copyCode = nullptr;
    QAction* m_saveSector = nullptr;
    QLabel* m_systemCode = nullptr;
};

} // namespace kelvane
