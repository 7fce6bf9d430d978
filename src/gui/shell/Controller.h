#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <string>

#include "core/AppState.h"
#include "core/model/Codes.h"
#include "core/settings/modINI.h"
#include "gui/shell/MousePointer.h"

class QMdiSubWindow;
class QWidget;

namespace kelvane {

class FileDialogs;
class mdiMain;
class frmElements;
class frmForceOrbit;
class frmInfo;
class frmOrbitalDisplay;
class frmQuickOpts;

// Carries out what the user asks for: the commands of the menus, toolbar and
// windows, start-up and shutdown, and the one refresh that ends every change.
// It owns the shared state and the long-lived windows; the windows report to
// it and never call one another.
class Controller final : public QObject {
    Q_OBJECT

public:
    // appFolder is the program's folder, where the settings file lives.
    explicit Controller(std::string appFolder);
    ~Controller() override;

    // Start-up: settings, the main window and its children, the first system.
    void Main();
    // Records the window placements and writes the settings file.
    void ShutdownApp();

    void NewSystemCommand();
    void NewOrbitsOnlyCommand();
    void OpenSystemCommand();
    void SaveSystemAsCommand();
    void PrintReport(bool preview);
    void RefreshAll();
    void UpdateDisplayCaption();

    void SetLifeSupport(std::int16_t value);
    void SetBiozone(std::int16_t value);
    void SetOrbitDisplay(std::int16_t value);
    void ToggleSwapBW();
    void ToggleVisibleOrbits();
    void ToggleWhiteOrbits();
    void ToggleThickerOrbits();
    void ToggleColoredText();

    void ForceOrbit(int n);
    void PopupSetContents(OrbitContents contents);
    void PopupSetEnvironment(std::int32_t environment);
    // A right-click in the Orbital Display picked orbit n (1 to 10).
    void OrbitPicked(int n);

    void ShowQuickTips();
    void ShowAbout();

    AppState& State() { return m_app; }
    AppSettings& Settings() { return m_app.settings; }
    const AppSettings& Settings() const { return m_app.settings; }
    MousePointer& Mouse() { return m_mouse; }
    mdiMain* MainWindow() const { return m_main.get(); }
    const std::string& SettingsPath() const { return m_settingsPath; }

    // The long-lived windows, each created (and placed) on first use. The
    // frames are the child windows of the main window's client area.
    frmOrbitalDisplay* OrbitalDisplay();
    frmElements* Elements();
    frmInfo* Info();
    frmQuickOpts* QuickTips();
    QMdiSubWindow* FrameOf(const QWidget* content) const;
    // The file dialogs and questions of Load and Save As; Qt's unless a test
    // put others in their place.
    FileDialogs& Dialogs();
    void SetDialogs(std::unique_ptr<FileDialogs> dialogs);

    // The Force Orbit dialog, once it has been opened; else null.
    frmForceOrbit* ForceOrbitDialog() const;

private:
    // One child window: its content, its frame and its placement.
    template <class Form>
    Form* Child(Form*& form, WindowPlacement& placement, QPoint firstPlace, bool withSize);
    QMdiSubWindow* AddChild(QWidget* content);

    AppState m_app;
    modINI m_ini;
    MousePointer m_mouse;
    std::string m_settingsPath;
    std::unique_ptr<mdiMain> m_main;
    frmOrbitalDisplay* m_display = nullptr;
    frmElements* m_elements = nullptr;
    frmInfo* m_info = nullptr;
    frmQuickOpts* m_quickTips = nullptr;
    QPointer<frmForceOrbit> m_forceOrbit;
    std::unique_ptr<FileDialogs> m_dialogs;
};

} // namespace kelvane
