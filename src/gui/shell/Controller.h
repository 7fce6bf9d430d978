#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <string>

#include "core/AppState.h"
#include "core/files/FileResult.h"
#include "core/model/Codes.h"
#include "core/model/OrbitEditing.h"
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
// It owns the shared state and the long-lived windows. The windows only read
// the state and report through their signals what the user asked for; they
// never change it and never call one another.
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

    void SetLifeSupport(LifeSupportLevel value);
    void SetBiozone(BiozoneWidth value);
    void SetOrbitDisplay(OrbitDisplayStyle value);
    void ToggleSwapBW();
    void ToggleVisibleOrbits();
    void ToggleWhiteOrbits();
    void ToggleThickerOrbits();
    void ToggleColoredText();

    // Fills the Force Orbit dialog for orbit n and shows it.
    void ForceOrbit(int n);
    void PopupSetContents(OrbitContents contents);
    void PopupSetEnvironment(std::int32_t environment);

    void ShowQuickTips();
    void ShowAbout();

    // Changes of the current system. Every change of StarSystem, and of the
    // CurrentFileName and DisplayBackColor that go with it, passes through
    // one of these, and each of them through ChangeSystem: the one place
    // that sees the state before and after every change. None refreshes the
    // views; the commands above do that.
    void ChangeToNewSystem();
    void ChangeToNewOrbits();
    void ChangeByForcing(int n, const ForceChoice& choice);
    void ChangeContents(int n, OrbitContents contents);
    void ChangeEnvironment(int n, std::int32_t environment);
    void ChangeName(const std::string& name);
    // Reads the file at path into the system. On Done the file becomes the
    // current file and the caption shows the name; on any other outcome
    // neither changes, though a damaged file may have stored some fields.
    FileResult ChangeByLoading(const std::string& path);

    // A completed Save As: the file becomes the current file and the caption
    // is written anew. The system itself does not change.
    void RecordSavedFile(const std::string& path);
    // The background of the drawings, which a report sets before and after
    // it draws its picture. Not a change of the system.
    void SetDisplayBackColor(Colour colour);

    const AppState& State() const { return m_app; }
    // For tests and for the commands of gui/files and gui/report, which
    // stand in for the controller; the windows never get it.
    AppState& MutableState() { return m_app; }
    AppSettings& Settings() { return m_app.settings; }
    const AppSettings& Settings() const { return m_app.settings; }
    MousePointer& Mouse() { return m_mouse; }
    mdiMain* MainWindow() const { return m_main.get(); }
    const std::string& SettingsPath() const { return m_settingsPath; }

    // The long-lived child windows, each created, placed and shown when it
    // does not exist: at start-up, and again after the user closed it. The
    // frames are the child windows of the main window's client area.
    frmOrbitalDisplay* OrbitalDisplay();
    frmElements* Elements();
    frmInfo* Info();
    frmQuickOpts* QuickTips();
    QMdiSubWindow* FrameOf(const QWidget* content) const;
    // Whether a child window is there: made, and not closed by the user.
    bool IsLoaded(const QWidget* content) const;
    // The file dialogs and questions of Load and Save As; Qt's unless a test
    // put others in their place.
    FileDialogs& Dialogs();
    void SetDialogs(std::unique_ptr<FileDialogs> dialogs);

    // The Force Orbit dialog, once it has been opened; else null.
    frmForceOrbit* ForceOrbitDialog() const;

private:
    template <class Edit> void ChangeSystem(Edit edit);
    void ConnectMainWindow();
    // A child window's frame in the client area, closed for good by its
    // close box, shown at once.
    QMdiSubWindow* AddChild(QWidget* content, const QRect& firstPlace);
    void OnOrbitDisplayCombo(OrbitDisplayStyle style);
    void OnContainsPopupAsked(int n, const QPoint& globalPosition);
    void OnEnvironmentPopupAsked(int n, const QPoint& globalPosition);

    AppState m_app;
    modINI m_ini;
    MousePointer m_mouse;
    std::string m_settingsPath;
    std::unique_ptr<mdiMain> m_main;
    QPointer<frmOrbitalDisplay> m_display;
    QPointer<frmElements> m_elements;
    QPointer<frmInfo> m_info;
    QPointer<frmQuickOpts> m_quickTips;
    QPointer<frmForceOrbit> m_forceOrbit;
    std::unique_ptr<FileDialogs> m_dialogs;
};

} // namespace kelvane
