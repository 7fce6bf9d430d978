#include "gui/shell/Controller.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <filesystem>
#include <utility>

#include "core/drawing/OrbitalDisplay.h"
#include "core/files/SystemFile.h"
#include "core/model/modGenerate.h"
#include "core/sector/SectorFolder.h"
#include "core/settings/SettingsStore.h"
#include "gui/display/SurfaceWidget.h"
#include "gui/display/frmOrbitalDisplay.h"
#include "gui/files/ExportCommand.h"
#include "gui/files/FileCommands.h"
#include "gui/report/PrintReport.h"
#include "gui/sector/SectorCommands.h"
#include "gui/sector/frmSector.h"
#include "gui/shell/EditCommands.h"
#include "gui/shell/Placement.h"
#include "gui/shell/ToolbarIcons.h"
#include "gui/shell/Twips.h"
#include "gui/shell/frmQuickOpts.h"
#include "gui/shell/frmSplash.h"
#include "gui/shell/mdiMain.h"
#include "gui/views/frmElements.h"
#include "gui/views/frmForceOrbit.h"
#include "gui/views/frmInfo.h"
#include "platform/UserDecimalSeparator.h"
#include "render/QtText.h"

namespace kelvane {

namespace {

// A toggled option becomes false when it was true (any non-zero value) and
// true (-1) when it was false.
void Toggle(std::int16_t& option)
{
    option = option != 0 ? 0 : -1;
}

// Where the child windows open on first start, before any placement is
// recorded: side by side in the client area, in pixels.
constexpr QPoint DisplayFirstPlace(0, 0);
constexpr QPoint InfoFirstPlace(475, 0);
constexpr QPoint ElementsFirstPlace(475, 305);
constexpr QPoint QuickTipsFirstPlace(752, 0);
// The Sector window opens over the others, a little in from the corner.
constexpr QPoint SectorFirstPlace(40, 30);

// How the Edit menu names the step of a popup item.
QString ContentsStepText(int n, OrbitContents contents)
{
    const char* what = contents == ContentsPlanet      ? "Planet"
                       : contents == ContentsAsteroids ? "Asteroids"
                                                       : "Nothing";
    return QStringLiteral("Orbit %1: %2").arg(n).arg(QLatin1String(what));
}

QString EnvironmentStepText(int n, std::int32_t environment)
{
    const std::string_view name = EnvironmentName(environment);
    return QStringLiteral("Orbit %1: %2")
        .arg(n)
        .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

// The star and the orbits, which a code makes again; not the name.
bool SameStarAndOrbits(StarSystem a, const StarSystem& b)
{
    a.SystemName = b.SystemName;
    return a == b;
}

} // namespace

Controller::Controller(std::string appFolder)
    : m_history([this](const SystemSnapshot& to, const SystemSnapshot& from) { Restore(to, from); })
{
    if (!appFolder.empty() && appFolder.back() != '/')
        appFolder += '/';
    m_settingsPath = appFolder + std::string(SettingsFileName);
    m_ini.SetLogicErrorHandler([] {
        QMessageBox::critical(nullptr,
                              QString::fromUtf8(IniLogicErrorTitle.data(), IniLogicErrorTitle.size()),
                              QString::fromUtf8(IniLogicErrorText.data(), IniLogicErrorText.size()));
    });
}

Controller::~Controller() = default;

void Controller::Main()
{
    // The windows are laid out for the standard dialog font, MS Sans Serif
    // at 8 points; where it is missing, the Arial-compatible font stands in.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"));
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    QApplication::setWindowIcon(ToolbarIcon(ToolbarPicture::Program));

    SetDefaultSettings(m_app.settings);
    LoadSettings(m_app.settings, m_ini, m_settingsPath);

    m_main = std::make_unique<mdiMain>(m_app);
    ConnectMainWindow();
    m_main->Load(m_app.settings.Main);
    m_main->show();

    // The children in their order; Quick Tips, shown last, is the active one
    // and has the keyboard focus on its first button.
    OrbitalDisplay();
    Elements();
    Info();
    ShowQuickTips();

    NewSystemCommand();
    // The first system has nothing before it to go back to.
    m_history.Clear();
}

void Controller::ConnectMainWindow()
{
    mdiMain* w = m_main.get();
    connect(w, &mdiMain::NewSystemRequested, this, &Controller::NewSystemCommand);
    connect(w, &mdiMain::NewOrbitsRequested, this, &Controller::NewOrbitsOnlyCommand);
    connect(w, &mdiMain::LoadRequested, this, &Controller::OpenSystemCommand);
    connect(w, &mdiMain::SaveAsRequested, this, &Controller::SaveSystemAsCommand);
    connect(w, &mdiMain::PrintRequested, this, &Controller::PrintReport);
    connect(w, &mdiMain::ExitRequested, this, [this] {
        ShutdownApp();
        m_main->close();
    });
    connect(w, &mdiMain::Closing, this, &Controller::ShutdownApp);
    connect(w, &mdiMain::LifeSupportChosen, this, &Controller::SetLifeSupport);
    connect(w, &mdiMain::BiozoneChosen, this, &Controller::SetBiozone);
    connect(w, &mdiMain::OrbitDisplayChosen, this, &Controller::SetOrbitDisplay);
    connect(w, &mdiMain::OrbitDisplayComboChosen, this, &Controller::OnOrbitDisplayCombo);
    connect(w, &mdiMain::SwapBWToggled, this, &Controller::ToggleSwapBW);
    connect(w, &mdiMain::VisibleOrbitsToggled, this, &Controller::ToggleVisibleOrbits);
    connect(w, &mdiMain::WhiteOrbitsToggled, this, &Controller::ToggleWhiteOrbits);
    connect(w, &mdiMain::ThickerOrbitsToggled, this, &Controller::ToggleThickerOrbits);
    connect(w, &mdiMain::ColoredTextToggled, this, &Controller::ToggleColoredText);
    connect(w, &mdiMain::ForceOrbitRequested, this, &Controller::ForceOrbit);
    connect(w, &mdiMain::ContentsChosen, this, &Controller::PopupSetContents);
    connect(w, &mdiMain::EnvironmentChosen, this, &Controller::PopupSetEnvironment);
    connect(w, &mdiMain::QuickTipsRequested, this, &Controller::ShowQuickTips);
    connect(w, &mdiMain::AboutRequested, this, &Controller::ShowAbout);
    connect(w, &mdiMain::UndoRequested, this, &Controller::UndoCommand);
    connect(w, &mdiMain::RedoRequested, this, &Controller::RedoCommand);
    connect(w, &mdiMain::CopyPictureRequested, this, &Controller::CopyPictureCommand);
    connect(w, &mdiMain::CopyTextRequested, this, &Controller::CopyTextCommand);
    connect(w, &mdiMain::CopyCodeRequested, this, &Controller::CopySystemCodeCommand);
    connect(w, &mdiMain::NewFromCodeRequested, this, &Controller::NewFromCodeCommand);
    connect(w, &mdiMain::ExportRequested, this, &Controller::ExportCommand);
    connect(w, &mdiMain::NewSectorRequested, this, &Controller::NewSectorCommand);
    connect(w, &mdiMain::OpenSectorRequested, this, &Controller::OpenSectorCommand);
    connect(w, &mdiMain::SaveSectorAsRequested, this, &Controller::SaveSectorAsCommand);
    connect(&m_history, &SystemHistory::Changed, this, &Controller::ShowHistoryAndCode);
    w->EnableCopyText(CopyTextAvailable());
    w->EnableSaveSector(false);
    ShowHistoryAndCode();
}

void Controller::ShutdownApp()
{
    if (!m_main)
        return;
    RecordPlacement(*m_main, m_app.settings.Main);
    // A child window that the user closed would load again at the placement
    // on record and be recorded from there as normal: only the state changes.
    const auto record = [this](const QWidget* form, WindowPlacement& placement) {
        if (IsLoaded(form))
            RecordPlacement(*FrameOf(form), placement);
        else
            placement.State = 0;
    };
    record(m_info, m_app.settings.Info);
    record(m_elements, m_app.settings.Elements);
    record(m_display, m_app.settings.Orbit);
    record(m_quickTips, m_app.settings.Quick);
    // The Sector window is there only while a sector is open; a closed one
    // recorded its placement as it closed.
    if (IsLoaded(m_sectorWindow))
        RecordPlacement(*FrameOf(m_sectorWindow), m_app.settings.Sector);
    SaveSettings(m_app.settings, m_ini, m_settingsPath);
}

QMdiSubWindow* Controller::AddChild(QWidget* content, const QRect& firstPlace)
{
    QMdiSubWindow* frame = m_main->ClientArea()->addSubWindow(content);
    // Closing a child unloads it; whatever needs it later loads it again.
    frame->setAttribute(Qt::WA_DeleteOnClose, true);
    if (content->minimumSize() == content->maximumSize() && !content->minimumSize().isEmpty()) {
        // A window of fixed size: the user cannot drag its border.
        frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint);
        frame->adjustSize();
        frame->setFixedSize(frame->size());
        frame->move(firstPlace.topLeft());
    } else {
        frame->setGeometry(firstPlace);
    }
    return frame;
}

bool Controller::IsLoaded(const QWidget* content) const
{
    // A closed child is hidden at once and deleted a moment later; from
    // its closing on it counts as unloaded.
    const QMdiSubWindow* frame = FrameOf(content);
    return frame != nullptr && !frame->isHidden();
}

QMdiSubWindow* Controller::FrameOf(const QWidget* content) const
{
    return content != nullptr ? qobject_cast<QMdiSubWindow*>(content->parentWidget()) : nullptr;
}

frmOrbitalDisplay* Controller::OrbitalDisplay()
{
    if (!IsLoaded(m_display) && m_main) {
        m_display = new frmOrbitalDisplay(m_app);
        connect(m_display, &frmOrbitalDisplay::OrbitPicked, this, &Controller::ForceOrbit);
        QMdiSubWindow* frame = AddChild(m_display, QRect(DisplayFirstPlace, m_display->DesignedSize()));
        ApplyOrCapturePlacement(*frame, m_app.settings.Orbit);
        m_display->setWindowTitle(ToQt(DisplayCaption(m_app.system.SystemName)));
        frame->show();
    }
    return m_display;
}

frmElements* Controller::Elements()
{
    if (!IsLoaded(m_elements) && m_main) {
        m_elements = new frmElements(m_app);
        QMdiSubWindow* frame = AddChild(m_elements, QRect(ElementsFirstPlace, QSize()));
        ApplyOrCapturePlacement(*frame, m_app.settings.Elements);
        frame->show();
    }
    return m_elements;
}

frmInfo* Controller::Info()
{
    if (!IsLoaded(m_info) && m_main) {
        m_info = new frmInfo(m_app);
        connect(m_info, &frmInfo::NameEdited, this, [this](const QString& name) {
            // A name the user did not edit keeps its bytes, whatever Qt makes of them.
            ChangeName(FromQtKeeping(name, m_app.system.SystemName));
        });
        connect(m_info, &frmInfo::NameEditingFinished, &m_history, &SystemHistory::EndRenameBurst);
        connect(m_info, &frmInfo::ContainsPopupAsked, this, &Controller::OnContainsPopupAsked);
        connect(m_info, &frmInfo::EnvironmentPopupAsked, this, &Controller::OnEnvironmentPopupAsked);
        QMdiSubWindow* frame = AddChild(m_info, QRect(InfoFirstPlace, QSize()));
        // Its size is fixed: only its place comes back.
        ApplyOrCapturePlacement(*frame, m_app.settings.Info, false);
        frame->show();
    }
    return m_info;
}

frmQuickOpts* Controller::QuickTips()
{
    if (!IsLoaded(m_quickTips) && m_main) {
        m_quickTips = new frmQuickOpts;
        connect(m_quickTips, &frmQuickOpts::GenerateSystemClicked, this, &Controller::NewSystemCommand);
        connect(m_quickTips, &frmQuickOpts::RegenerateOrbitsClicked, this, &Controller::NewOrbitsOnlyCommand);
        QMdiSubWindow* frame = AddChild(m_quickTips, QRect(QuickTipsFirstPlace, frmQuickOpts::LoadSize()));
        // A tool window: no minimise or maximise button, never smaller than
        // its minimum on either side.
        frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        frame->setMinimumSize(frmQuickOpts::MinimumOuterSide(), frmQuickOpts::MinimumOuterSide());
        frame->setGeometry(QRect(QuickTipsFirstPlace, frmQuickOpts::LoadSize()));
        ApplyOrCapturePlacement(*frame, m_app.settings.Quick);
        frame->show();
    }
    return m_quickTips;
}

void Controller::ShowQuickTips()
{
    QMdiSubWindow* frame = FrameOf(QuickTips());
    if (frame == nullptr)
        return;
    frame->show();
    m_main->ClientArea()->setActiveSubWindow(frame);
    // The window's first button takes the focus, as in any window made active.
    m_quickTips->findChild<QWidget*>(QStringLiteral("Command1"))->setFocus(Qt::ActiveWindowFocusReason);
}

void Controller::NewSystemCommand()
{
    ChangeToNewSystem();
    RefreshAll();
}

void Controller::NewOrbitsOnlyCommand()
{
    ChangeToNewOrbits();
    RefreshAll();
}

void Controller::RefreshAll()
{
    if (!m_main)
        return;
    const bool wasRefreshing = std::exchange(m_refreshing, true);
    m_mouse.PushMousePointer(MousePointer::Hourglass);
    OrbitalDisplay()->Redraw();
    Info()->RefreshForm();
    Elements()->RefreshForm();
    m_main->SelectOrbitDisplay(m_app.settings.OrbitDisplay);
    m_mouse.PopMousePointer();
    m_refreshing = wasRefreshing;
}

void Controller::UpdateDisplayCaption()
{
    if (!m_main)
        return;
    // A window that was closed comes back with the current drawing.
    const bool loaded = !IsLoaded(m_display);
    OrbitalDisplay()->setWindowTitle(ToQt(DisplayCaption(m_app.system.SystemName)));
    if (loaded)
        m_display->Redraw();
}

SystemSnapshot Controller::Snapshot() const
{
    return {m_app.system, m_app.CurrentFileName, m_app.DisplayBackColor, m_code, m_place};
}

void Controller::Restore(const SystemSnapshot& to, const SystemSnapshot& from)
{
    // Only what the step changed goes back: the file that a later Save As
    // wrote and the background that a later report left, which are no
    // steps, stay as they are.
    if (to.system != from.system)
        m_app.system = to.system;
    if (to.CurrentFileName != from.CurrentFileName)
        m_app.CurrentFileName = to.CurrentFileName;
    if (to.DisplayBackColor != from.DisplayBackColor)
        m_app.DisplayBackColor = to.DisplayBackColor;
    if (to.code != from.code)
        m_code = to.code;
    if (to.place != from.place)
        m_place = to.place;
    KeepInSector();
}

template <class Edit> void Controller::ChangeSystem(const QString& text, CodeEffect effect, Edit edit)
{
    const SystemSnapshot before = Snapshot();
    edit(m_app);
    if (effect == CodeEffect::LostOnChange && !SameStarAndOrbits(m_app.system, before.system))
        m_code.reset();
    m_history.Record(text, before, Snapshot());
    KeepInSector();
}

void Controller::ChangeToNewSystem()
{
    ChangeSystem(QStringLiteral("New System"), CodeEffect::Made, [this](AppState& app) {
        m_code = GenerateSystemWithCode(app);
        m_place.reset();
    });
    UpdateDisplayCaption();
}

void Controller::ChangeToNewOrbits()
{
    ChangeSystem(QStringLiteral("New Orbits"), CodeEffect::Made,
                 [this](AppState& app) { m_code = GenerateOrbitsOnlyWithCode(app); });
}

void Controller::ChangeToCodedSystem(const SystemCode& code)
{
    // A code far into a seeded run takes a moment to make again.
    m_mouse.PushMousePointer(MousePointer::Hourglass);
    ChangeSystem(QStringLiteral("New from Code"), CodeEffect::Made, [&](AppState& app) {
        app.DisplayBackColor = 0;
        app.system = RegenerateSystem(code);
        app.CurrentFileName.clear();
        m_code = code;
        m_place.reset();
    });
    m_mouse.PopMousePointer();
    UpdateDisplayCaption();
}

void Controller::ChangeByForcing(int n, const ForceChoice& choice)
{
    if (n < 1 || n > StarSystem::OrbitCount)
        return;
    ChangeSystem(QStringLiteral("Force Orbit %1").arg(n), CodeEffect::LostOnChange,
                 [&](AppState& app) { ApplyForceOrbit(app.system, *app.random, n, choice); });
}

void Controller::ChangeContents(int n, OrbitContents contents)
{
    if (n < 1 || n > StarSystem::OrbitCount)
        return;
    ChangeSystem(ContentsStepText(n, contents), CodeEffect::LostOnChange, [&](AppState& app) {
        SetOrbitContents(app.system, *app.random, app.settings.LifeSupport, n, contents);
    });
}

void Controller::ChangeEnvironment(int n, std::int32_t environment)
{
    if (n < 1 || n > StarSystem::OrbitCount)
        return;
    ChangeSystem(EnvironmentStepText(n, environment), CodeEffect::LostOnChange,
                 [&](AppState& app) { SetOrbitEnvironment(app.system, n, environment); });
}

void Controller::ChangeName(const std::string& name)
{
    const SystemSnapshot before = Snapshot();
    m_app.system.SystemName = name;
    // The name box repeating what a refresh wrote into it belongs to the
    // change being shown; only the user's own typing is a step.
    if (!m_refreshing)
        m_history.RecordRename(before, Snapshot());
    KeepInSector();
    UpdateDisplayCaption();
}

FileResult Controller::ChangeByLoading(const std::string& path)
{
    FileResult result;
    const std::string fileName = std::filesystem::path(path).filename().string();
    ChangeSystem(QStringLiteral("Load %1").arg(ToQt(fileName)), CodeEffect::LostOnChange, [&](AppState& app) {
        const StarSystem was = app.system;
        result = LoadSystemFile(app.system, path, UserDecimalSeparator());
        if (result.Ok())
            app.CurrentFileName = path;
        // A file read in whole or in part takes the hex's place; one that
        // could not be read leaves the system in its hex.
        if (result.Ok() || app.system != was)
            m_place.reset();
    });
    if (result.Ok())
        UpdateDisplayCaption();
    return result;
}

void Controller::RecordSavedFile(const std::string& path)
{
    m_app.CurrentFileName = path;
    UpdateDisplayCaption();
}

void Controller::SetDisplayBackColor(Colour colour)
{
    m_app.DisplayBackColor = colour;
}

void Controller::SetLifeSupport(LifeSupportLevel value)
{
    m_app.settings.LifeSupport = value;
}

void Controller::SetBiozone(BiozoneWidth value)
{
    m_app.settings.Biozone = value;
}

void Controller::SetOrbitDisplay(OrbitDisplayStyle value)
{
    m_app.settings.OrbitDisplay = value;
    RefreshAll();
}

void Controller::OnOrbitDisplayCombo(OrbitDisplayStyle style)
{
    // A refresh moves the selection itself while the hourglass shows.
    if (!m_mouse.BusyFlag())
        SetOrbitDisplay(style);
}

void Controller::ToggleSwapBW()
{
    Toggle(m_app.settings.SwapBW);
}

void Controller::ToggleVisibleOrbits()
{
    Toggle(m_app.settings.VisibleOrbits);
    RefreshAll();
}

void Controller::ToggleWhiteOrbits()
{
    Toggle(m_app.settings.WhiteOrbits);
    RefreshAll();
}

void Controller::ToggleThickerOrbits()
{
    std::int16_t& width = m_app.settings.OrbitPenWidth;
    width = width < 2 ? 2 : 1;
    RefreshAll();
}

void Controller::ToggleColoredText()
{
    Toggle(m_app.settings.ColorText);
    Info()->RefreshForm();
}

void Controller::ForceOrbit(int n)
{
    if (m_forceOrbit == nullptr) {
        m_forceOrbit = new frmForceOrbit(m_app, m_main.get());
        connect(m_forceOrbit, &frmForceOrbit::Okayed, this, [this](int orbit, const ForceChoice& choice) {
            ChangeByForcing(orbit, choice);
            RefreshAll();
        });
    }
    m_forceOrbit->ForceOrbit(n);
}

frmForceOrbit* Controller::ForceOrbitDialog() const
{
    return m_forceOrbit;
}

void Controller::OnContainsPopupAsked(int n, const QPoint& globalPosition)
{
    m_app.PopupOrbit = static_cast<std::int16_t>(n);
    m_main->ContainsPopup()->popup(globalPosition);
}

void Controller::OnEnvironmentPopupAsked(int n, const QPoint& globalPosition)
{
    m_app.PopupOrbit = static_cast<std::int16_t>(n);
    // Only a planet has an environment to change; a value outside the
    // table shows as an empty row and is offered nothing either.
    if (n >= 1 && n <= StarSystem::OrbitCount && IsEnvironment(m_app.system.Orbit(n).Type))
        m_main->EnvironmentPopup()->popup(globalPosition);
}

void Controller::PopupSetContents(OrbitContents contents)
{
    if (m_app.PopupOrbit < 1 || m_app.PopupOrbit > StarSystem::OrbitCount)
        return;
    ChangeContents(m_app.PopupOrbit, contents);
    RefreshAll();
}

void Controller::PopupSetEnvironment(std::int32_t environment)
{
    if (m_app.PopupOrbit < 1 || m_app.PopupOrbit > StarSystem::OrbitCount)
        return;
    ChangeEnvironment(m_app.PopupOrbit, environment);
    RefreshAll();
}

void Controller::OpenSystemCommand()
{
    kelvane::OpenSystemCommand(*this);
}

void Controller::SaveSystemAsCommand()
{
    kelvane::SaveSystemAsCommand(*this);
}

void Controller::PrintReport(bool preview)
{
    kelvane::PrintReport(*this, preview ? -1 : 0);
}

FileDialogs& Controller::Dialogs()
{
    if (!m_dialogs)
        m_dialogs = std::make_unique<QtFileDialogs>(m_main.get());
    return *m_dialogs;
}

void Controller::SetDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

void Controller::ShowAbout()
{
    frmSplash about(m_main.get());
    about.exec();
}

void Controller::UndoCommand()
{
    if (!m_history.Undo())
        return;
    UpdateDisplayCaption();
    RefreshAll();
}

void Controller::RedoCommand()
{
    if (!m_history.Redo())
        return;
    UpdateDisplayCaption();
    RefreshAll();
}

void Controller::ShowHistoryAndCode()
{
    if (!m_main)
        return;
    m_main->ShowHistory(m_history.UndoText(), m_history.RedoText());
    m_main->ShowSystemCode(m_code ? QString::fromStdString(EncodeSystemCode(*m_code)) : QString());
}

const DrawingSurface& Controller::DisplayedDrawing()
{
    UpdateDisplayCaption();
    return OrbitalDisplay()->vsdDisplay()->Surface();
}

void Controller::CopyPictureCommand()
{
    kelvane::CopyPictureCommand(*this);
}

void Controller::CopyTextCommand() const
{
    kelvane::CopyTextCommand(*this);
}

void Controller::CopySystemCodeCommand()
{
    if (m_code)
        QGuiApplication::clipboard()->setText(QString::fromStdString(EncodeSystemCode(*m_code)));
}

void Controller::NewFromCodeCommand()
{
    const std::optional<SystemCode> code = Dialogs().AskSystemCode();
    if (!code)
        return;
    ChangeToCodedSystem(*code);
    RefreshAll();
}

void Controller::ExportCommand()
{
    kelvane::ExportCommand(*this);
}

void Controller::NewSectorCommand()
{
    kelvane::NewSectorCommand(*this);
}

void Controller::OpenSectorCommand()
{
    kelvane::OpenSectorCommand(*this);
}

void Controller::SaveSectorAsCommand()
{
    kelvane::SaveSectorAsCommand(*this);
}

void Controller::OpenHexCommand(HexNumber hex)
{
    ChangeToSectorHex(hex);
    RefreshAll();
}

void Controller::ChangeToSectorHex(HexNumber hex)
{
    const SectorSystem* entry = m_sector ? m_sector->sector.At(hex) : nullptr;
    if (entry == nullptr)
        return;
    const std::string file = m_sector->folder.empty()
                                 ? std::string()
                                 : (std::filesystem::path(m_sector->folder) / HexFileName(hex)).string();
    ChangeSystem(QStringLiteral("Hex %1 (%2)").arg(QString::fromStdString(hex.Text()), ToQt(entry->name)),
                 CodeEffect::Made, [&](AppState& app) {
                     app.system = entry->system;
                     app.CurrentFileName = file;
                     m_code = entry->edited ? std::nullopt : DecodeSystemCode(entry->code);
                     m_place = SectorPlace{m_sector->number, hex};
                 });
    UpdateDisplayCaption();
}

void Controller::ShowSector(Sector sector, std::string folder)
{
    if (!m_main)
        return;
    m_sector =
        std::make_unique<OpenSector>(OpenSector{std::move(sector), std::move(folder), ++m_sectorsOpened});
    if (!IsLoaded(m_sectorWindow)) {
        m_sectorWindow = new frmSector;
        connect(m_sectorWindow, &frmSector::HexClicked, this, &Controller::OpenHexCommand);
        connect(m_sectorWindow, &frmSector::Closing, this, &Controller::OnSectorWindowClosing);
        const QSize area = m_main->ClientArea()->viewport()->size();
        const QSize size = frmSector::DesignedSize()
                               .boundedTo(area - QSize(2 * SectorFirstPlace.x(), 2 * SectorFirstPlace.y()))
                               .expandedTo(QSize(320, 240));
        QMdiSubWindow* frame = AddChild(m_sectorWindow, QRect(SectorFirstPlace, size));
        ApplyOrCapturePlacement(*frame, m_app.settings.Sector);
        frame->show();
    }
    m_sectorWindow->ShowSector(&m_sector->sector, ToQt(m_sector->folder));
    m_sectorWindow->SetCurrentHex(CurrentHex());
    m_main->ClientArea()->setActiveSubWindow(FrameOf(m_sectorWindow));
    m_main->EnableSaveSector(true);
}

void Controller::RecordSavedSector(const std::string& folder)
{
    if (!m_sector)
        return;
    m_sector->folder = folder;
    if (const std::optional<HexNumber> hex = CurrentHex())
        RecordSavedFile((std::filesystem::path(folder) / HexFileName(*hex)).string());
    if (frmSector* window = SectorWindow())
        window->SetFolder(ToQt(folder));
}

const Sector* Controller::CurrentSector() const
{
    return m_sector ? &m_sector->sector : nullptr;
}

const std::string& Controller::SectorFolder() const
{
    static const std::string none;
    return m_sector ? m_sector->folder : none;
}

std::optional<HexNumber> Controller::CurrentHex() const
{
    if (!m_sector || !m_place || m_place->sector != m_sector->number)
        return std::nullopt;
    return m_place->hex;
}

frmSector* Controller::SectorWindow() const
{
    return IsLoaded(m_sectorWindow) && m_sector ? m_sectorWindow.data() : nullptr;
}

void Controller::KeepInSector()
{
    const std::optional<HexNumber> hex = CurrentHex();
    SectorSystem* entry = hex ? m_sector->sector.Find(*hex) : nullptr;
    if (entry != nullptr && entry->system != m_app.system) {
        const std::optional<SystemCode> code = DecodeSystemCode(entry->code);
        SetHexSystem(*entry, m_app.system, code ? m_maker.Make(*code) : entry->system);
        if (frmSector* window = SectorWindow())
            window->Redraw();
    }
    if (frmSector* window = SectorWindow())
        window->SetCurrentHex(hex);
}

void Controller::OnSectorWindowClosing()
{
    if (QMdiSubWindow* frame = FrameOf(m_sectorWindow))
        RecordPlacement(*frame, m_app.settings.Sector);
    m_sector.reset();
    if (m_main)
        m_main->EnableSaveSector(false);
}

} // namespace kelvane
