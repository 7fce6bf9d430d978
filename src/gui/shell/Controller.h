#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "core/files/FileResult.h"
#include "core/settings/modINI.h"
#include "gui/display/MousePointer.h"
#include "gui/document/SystemDocument.h"
#include "gui/files/FileCommands.h"
#include "gui/report/ReportPrinter.h"
#include "gui/sector/frmNewSector.h"
#include "gui/shell/ActionTable.h"

namespace kelvane {

class ChildWindows;
class Dialogs;
class mdiMain;

// Puts the program together: the document, the main window with its child
// windows and the menus' commands, start-up and shutdown. It owns them and
// wires what the user asks for in the windows to the document; it decides
// nothing itself.
class Controller final : public QObject {
    Q_OBJECT

public:
    // appFolder is the program's folder, where the settings file lives;
    // keptFolder, when given, is where the open sector is kept when the
    // program ends (KeptSector), to be opened again at the next start.
    explicit Controller(std::string appFolder, std::string keptFolder = {});
    ~Controller() override;

    // Start-up: settings, the main window and its children, the first system.
    void Main();
    // Records the window placements and writes the settings file; keeps the
    // open sector for the next start. Never asks anything.
    void ShutdownApp();
    // Opens the sector kept when the program last ended, if any: an unsaved
    // one as not saved, a saved one from its folder. Says why when a kept
    // sector cannot be read.
    void ReopenKeptSector();
    // Load's work for path, as File > Load does once a file is chosen.
    FileResult LoadFile(const std::string& path);

    SystemDocument& Document() { return m_document; }
    ChildWindows& Windows() { return *m_windows; }
    mdiMain* MainWindow() const { return m_main.get(); }
    ReportPrinter& Printer() { return *m_printer; }
    MousePointer& Mouse() { return m_mouse; }
    const std::string& SettingsPath() const { return m_settingsPath; }
    // The questions of every command; Qt's unless a test put others in
    // their place before Main.
    Dialogs& Questions();
    void SetDialogs(std::unique_ptr<Dialogs> dialogs);

private:
    // The menus, toolbar and popups: one row per command.
    ActionTable MainActions();
    void ConnectWindows();
    // Carries out change, then shows the system anew in every view.
    void ChangeAndRefresh(const std::function<void()>& change);
    // Whether the Sector window may close: asks to save a sector with
    // changes not saved.
    bool MayCloseSector();

    SystemDocument m_document;
    modINI m_ini;
    MousePointer m_mouse;
    std::string m_settingsPath;
    std::string m_keptFolder;
    std::unique_ptr<Dialogs> m_dialogs;
    // What the last export and the last New Sector chose, which the next
    // ones propose.
    EditDialogs::ExportChoice m_lastExport;
    SectorRequest m_lastSectorRequest;
    std::unique_ptr<mdiMain> m_main;
    std::unique_ptr<ChildWindows> m_windows;
    std::unique_ptr<ReportPrinter> m_printer;
};

} // namespace kelvane
