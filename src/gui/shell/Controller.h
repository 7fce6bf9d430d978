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

class mdiMain;
class frmOrbitalDisplay;

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
    frmOrbitalDisplay* OrbitalDisplay();
    const std::string& SettingsPath() const { return m_settingsPath; }

private:
    // The Orbital Display's frame in the client area, created on first use.
    QMdiSubWindow* DisplayWindow();
    QMdiSubWindow* AddChild(QWidget* content);

    AppState m_app;
    modINI m_ini;
    MousePointer m_mouse;
    std::string m_settingsPath;
    std::unique_ptr<mdiMain> m_main;
    QPointer<QMdiSubWindow> m_displayWindow;
    frmOrbitalDisplay* m_display = nullptr;
};

} // namespace kelvane
