#include "gui/shell/Controller.h"

#include <QApplication>
#include <QFont>
#include <QMenu>
#include <QMessageBox>
#include <cstdio>
#include <optional>
#include <utility>

#include "core/sector/KeptSector.h"
#include "core/settings/SettingsStore.h"
#include "gui/files/EditCommands.h"
#include "gui/sector/SectorCommands.h"
#include "gui/shell/ChildWindows.h"
#include "gui/shell/Placement.h"
#include "gui/shell/QtDialogs.h"
#include "gui/shell/ToolbarIcons.h"
#include "gui/shell/mdiMain.h"
#include "platform/UserDecimalSeparator.h"
#include "render/CoreText.h"
#include "render/QtText.h"

namespace kelvane {

Controller::Controller(std::string appFolder, std::string keptFolder) : m_keptFolder(std::move(keptFolder))
{
    if (!appFolder.empty() && appFolder.back() != '/')
        appFolder += '/';
    m_settingsPath = appFolder + std::string(SettingsFileName);
    m_ini.SetLogicErrorHandler(
        [] { QMessageBox::critical(nullptr, CoreText(IniLogicErrorTitle), CoreText(IniLogicErrorText)); });
}

Controller::~Controller()
{
    // The windows go before the document they show.
    m_printer.reset();
    m_windows.reset();
    m_main.reset();
}

void Controller::Main()
{
    // The windows are laid out for the standard dialog font, MS Sans Serif
    // at 8 points; where it is missing, the Arial-compatible font stands in.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"));
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    QApplication::setWindowIcon(ToolbarIcon(ToolbarPicture::Program));

    AppSettings& settings = m_document.Settings();
    SetDefaultSettings(settings);
    LoadSettings(settings, m_ini, m_settingsPath);

    m_main = std::make_unique<mdiMain>(m_document.State(), m_document.History(), MainActions());
    m_windows = std::make_unique<ChildWindows>(*m_main, m_document, m_mouse);
    m_windows->SetSectorCloseGuard([this] { return MayCloseSector(); });
    m_printer = std::make_unique<ReportPrinter>(m_document, m_mouse, m_main.get());
    ConnectWindows();
    m_main->Load(settings.Main);
    m_main->show();

    // The children in their order; Quick Tips, shown last, is the active one
    // and has the keyboard focus on its first button.
    m_windows->OrbitalDisplay();
    m_windows->Elements();
    m_windows->Info();
    m_windows->ShowQuickTips();

    ChangeAndRefresh([this] { m_document.NewSystem(); });
    // The first system has nothing before it to go back to.
    m_document.ForgetHistory();
}

void Controller::ConnectWindows()
{
    SystemDocument* document = &m_document;
    ChildWindows* windows = m_windows.get();
    connect(m_main.get(), &mdiMain::Closing, this, &Controller::ShutdownApp);
    connect(m_main.get(), &mdiMain::OrbitDisplayComboChosen, this, [this](OrbitDisplayStyle style) {
        // A refresh moves the selection itself while the hourglass shows.
        if (!m_mouse.BusyFlag())
            ChangeAndRefresh([&] { m_document.Settings().OrbitDisplay = style; });
    });
    const auto showCode = [this] {
        const std::optional<SystemCode>& code = m_document.Code();
        m_main->ShowSystemCode(code ? QString::fromStdString(EncodeSystemCode(*code)) : QString());
    };
    connect(document, &SystemDocument::CodeChanged, this, showCode);
    connect(windows, &ChildWindows::NewSystemAsked, this,
            [this] { ChangeAndRefresh([this] { m_document.NewSystem(); }); });
    connect(windows, &ChildWindows::NewOrbitsAsked, this,
            [this] { ChangeAndRefresh([this] { m_document.NewOrbits(); }); });
    connect(windows, &ChildWindows::ForceOkayed, this, [this](int n, const ForceChoice& choice) {
        ChangeAndRefresh([&] { m_document.ForceOrbit(n, choice); });
    });
    connect(windows, &ChildWindows::NameEdited, document, &SystemDocument::Rename);
    connect(windows, &ChildWindows::NameEditingFinished, document, &SystemDocument::EndRenameBurst);
    connect(windows, &ChildWindows::ContainsPopupAsked, this, [this](int n, const QPoint& where) {
        m_document.SetPopupOrbit(n);
        m_main->ContainsPopup()->popup(where);
    });
    connect(windows, &ChildWindows::EnvironmentPopupAsked, this, [this](int n, const QPoint& where) {
        m_document.SetPopupOrbit(n);
        // Only a planet has an environment to change; a value outside the
        // table shows as an empty row and is offered nothing either.
        if (n >= 1 && n <= StarSystem::OrbitCount && IsEnvironment(m_document.State().system.Orbit(n).Type))
            m_main->EnvironmentPopup()->popup(where);
    });
    connect(windows, &ChildWindows::HexClicked, this,
            [this](HexNumber hex) { ChangeAndRefresh([&] { m_document.OpenHex(hex); }); });
    connect(windows, &ChildWindows::NotesEdited, this,
            [this](HexNumber hex, const QString& text) { m_document.SetHexNotes(hex, text.toStdString()); });
    connect(windows, &ChildWindows::NotesLeft, &m_document, &SystemDocument::EndNotesBurst);
    m_main->Action(QStringLiteral("mnuEditCopyText"))->setEnabled(CopyTextAvailable());
    m_main->Action(QStringLiteral("mnuSectorSaveAs"))->setEnabled(false);
    m_main->Action(QStringLiteral("mnuSectorRename"))->setEnabled(false);
    m_main->Action(QStringLiteral("mnuSectorVault"))->setEnabled(false);
    showCode();
}

void Controller::ChangeAndRefresh(const std::function<void()>& change)
{
    change();
    m_windows->RefreshAll();
}

void Controller::ShutdownApp()
{
    if (!m_main)
        return;
    RecordPlacement(*m_main, m_document.Settings().Main);
    m_windows->RecordPlacements();
    SaveSettings(m_document.Settings(), m_ini, m_settingsPath);
    if (m_keptFolder.empty())
        return;
    if (const Sector* sector = m_document.CurrentSector()) {
        const std::string& folder = m_document.SectorFolder();
        const std::string why =
            KeepSector(m_keptFolder, *sector, {folder, m_document.SectorModified()}, UserDecimalSeparator());
        if (!why.empty())
            std::fprintf(stderr, "kelvane: the open sector could not be kept: %s\n", why.c_str());
    } else {
        ForgetKeptSector(m_keptFolder);
    }
}

void Controller::ReopenKeptSector()
{
    if (m_keptFolder.empty())
        return;
    Message error;
    std::optional<std::pair<KeptSector, Sector>> kept =
        ReadKeptSector(m_keptFolder, UserDecimalSeparator(), error);
    if (!kept) {
        if (!error.Empty())
            Questions().ShowSectorError(
                tr("The sector kept from the last session could not be opened: %1").arg(CoreText(error)));
        return;
    }
    auto& [where, sector] = *kept;
    // An unsaved sector opens as not saved; the folder it came from, if any,
    // holds an older state of it.
    m_document.OpenSector(std::move(sector), where.unsaved ? std::string() : where.origin, where.unsaved);
}

bool Controller::MayCloseSector()
{
    if (!m_document.SectorModified())
        return true;
    const Sector* sector = m_document.CurrentSector();
    switch (Questions().AskSaveSector(ToQt(SectorName(*sector)))) {
    case SectorDialogs::CloseChoice::Save:
        SaveSectorAsCommand(m_document, Questions(), Questions(), m_mouse);
        return !m_document.SectorModified();
    case SectorDialogs::CloseChoice::Discard: return true;
    default: return false;
    }
}

FileResult Controller::LoadFile(const std::string& path)
{
    FileResult result = LoadSystemCommand(m_document, Questions(), path);
    if (LoadNeedsRefresh(result))
        m_windows->RefreshAll();
    return result;
}

Dialogs& Controller::Questions()
{
    if (!m_dialogs)
        m_dialogs = std::make_unique<QtDialogs>(m_main.get());
    return *m_dialogs;
}

void Controller::SetDialogs(std::unique_ptr<Dialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

} // namespace kelvane
