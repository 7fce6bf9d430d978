#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/AppState.h"
#include "core/drawing/DrawingSurface.h"
#include "core/files/FileResult.h"
#include "core/model/Codes.h"
#include "core/model/OrbitEditing.h"
#include "core/model/SystemCode.h"
#include "core/sector/Sector.h"
#include "core/sector/SystemMaker.h"
#include "core/settings/modINI.h"
#include "gui/files/FileCommands.h"
#include "gui/shell/MousePointer.h"
#include "gui/shell/SystemHistory.h"

class QMdiSubWindow;
class QString;
class QWidget;

namespace kelvane {

class mdiMain;
class frmElements;
class frmForceOrbit;
class frmInfo;
class frmOrbitalDisplay;
class frmQuickOpts;
class frmSector;

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

    // The Edit menu. Undo and Redo step through the history of the system
    // and end in RefreshAll; the copies and Export leave the system as it is.
    void UndoCommand();
    void RedoCommand();
    void CopyPictureCommand();
    void CopyTextCommand() const;
    void CopySystemCodeCommand();
    void NewFromCodeCommand();
    void ExportCommand();

    // The Sector menu (gui/sector/SectorCommands), and a click on a hex of
    // the Sector window: that hex's system becomes the current system, as
    // one step, and every view is refreshed.
    void NewSectorCommand();
    void OpenSectorCommand();
    void SaveSectorAsCommand();
    void OpenHexCommand(HexNumber hex);

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
    // The system a code stands for, as New makes a system: a fresh name, no
    // file, a black background, and the code kept as the current one.
    void ChangeToCodedSystem(const SystemCode& code);
    // Reads the file at path into the system. On Done the file becomes the
    // current file and the caption shows the name; on any other outcome
    // neither changes, though a damaged file may have stored some fields.
    FileResult ChangeByLoading(const std::string& path);
    // The system of an occupied hex of the open sector, as the sector now
    // holds it, becomes the current system, standing in that hex: its file is
    // the hex's CCRR.KVN in the sector's folder (none for a sector not saved
    // yet), its code the hex's while it is as generated. From then on every
    // change of the system and its undoing is kept in the sector too, until
    // New, New from Code or a load puts another system in its place.
    void ChangeToSectorHex(HexNumber hex);

    // A completed Save As: the file becomes the current file and the caption
    // is written anew. The system itself does not change.
    void RecordSavedFile(const std::string& path);
    // The background of the drawings, which a report sets before and after
    // it draws its picture. Not a change of the system.
    void SetDisplayBackColor(Colour colour);

    // The code that makes the current system again, while it is as
    // generated: New, New Orbits Only and New from Code give one, when the
    // generation can be written down; forcing, the popups and a load that
    // changes the star or the orbits take it away. The name is not part of
    // a code, so renaming keeps it. Undo and Redo bring back the code that
    // went with each state.
    const std::optional<SystemCode>& CurrentCode() const { return m_code; }
    const SystemHistory& History() const { return m_history; }

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

    // The open sector, shown in the Sector window: made or opened in place of
    // any other, and closed with its window. Opening one is no change of the
    // current system. folder is where it was read from, empty for a new one.
    void ShowSector(Sector sector, std::string folder);
    // A completed Save Sector As into folder: the sector lives there now, and
    // so does the file of the current system if it is the sector's.
    void RecordSavedSector(const std::string& folder);
    // The open sector, or null; its folder, empty when it has none.
    const Sector* CurrentSector() const;
    const std::string& SectorFolder() const;
    // The hex of the open sector that the current system stands in, if any.
    std::optional<HexNumber> CurrentHex() const;
    // The Sector window while a sector is open; else null.
    frmSector* SectorWindow() const;
    // What the last New Sector made, which the next one proposes.
    const SectorRequest& LastSectorRequest() const { return m_lastSectorRequest; }
    void SetLastSectorRequest(const SectorRequest& request) { m_lastSectorRequest = request; }

    // The Force Orbit dialog, once it has been opened; else null.
    frmForceOrbit* ForceOrbitDialog() const;

    // The shapes the Orbital Display shows; a display that was closed comes
    // back with the current drawing.
    const DrawingSurface& DisplayedDrawing();

    // The file and the filter of the last export, which the Export dialog
    // starts from; empty before the first.
    const FileDialogs::ExportChoice& LastExport() const { return m_lastExport; }
    void SetLastExport(const FileDialogs::ExportChoice& choice) { m_lastExport = choice; }

private:
    // What a change does to the current code: a generation makes a new one
    // (the edit sets it), an edit of the star or the orbits ends it, and a
    // change of the name alone keeps it.
    enum class CodeEffect { Made, LostOnChange };
    template <class Edit> void ChangeSystem(const QString& text, CodeEffect effect, Edit edit);
    SystemSnapshot Snapshot() const;
    void Restore(const SystemSnapshot& to, const SystemSnapshot& from);
    // Brings the Edit menu and the code shown in step with the state.
    void ShowHistoryAndCode();
    void ConnectMainWindow();
    // A child window's frame in the client area, closed for good by its
    // close box, shown at once.
    QMdiSubWindow* AddChild(QWidget* content, const QRect& firstPlace);
    void OnOrbitDisplayCombo(OrbitDisplayStyle style);
    void OnContainsPopupAsked(int n, const QPoint& globalPosition);
    void OnEnvironmentPopupAsked(int n, const QPoint& globalPosition);
    // Puts the current system into the open sector when it stands in one of
    // its hexes, and shows the sector's map and current hex as they now are.
    void KeepInSector();
    void OnSectorWindowClosing();

    AppState m_app;
    modINI m_ini;
    MousePointer m_mouse;
    std::string m_settingsPath;
    std::optional<SystemCode> m_code;
    // Made before the windows and gone after them, which report to it.
    SystemHistory m_history;
    std::unique_ptr<mdiMain> m_main;
    QPointer<frmOrbitalDisplay> m_display;
    QPointer<frmElements> m_elements;
    QPointer<frmInfo> m_info;
    QPointer<frmQuickOpts> m_quickTips;
    QPointer<frmForceOrbit> m_forceOrbit;
    std::unique_ptr<FileDialogs> m_dialogs;
    // While RefreshAll writes the views, the name box's echo of the name is
    // no edit of the user's.
    bool m_refreshing = false;
    FileDialogs::ExportChoice m_lastExport;

    // The open sector with the number it was given when made or opened.
    struct OpenSector {
        Sector sector;
        std::string folder;
        int number = 0;
    };
    std::unique_ptr<OpenSector> m_sector;
    int m_sectorsOpened = 0;
    // Where the current system stands; a place in a sector that is no longer
    // open names a number no open sector has.
    std::optional<SectorPlace> m_place;
    QPointer<frmSector> m_sectorWindow;
    SectorRequest m_lastSectorRequest;
    // Makes a hex's system from its code, to tell an edited system.
    SystemMaker m_maker;
};

} // namespace kelvane
