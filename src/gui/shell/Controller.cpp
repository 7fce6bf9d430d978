#include "gui/shell/Controller.h"

#include <QApplication>
#include <QFont>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>

#include "core/drawing/OrbitalDisplay.h"
#include "core/model/OrbitEditing.h"
#include "core/model/modGenerate.h"
#include "core/settings/SettingsStore.h"
#include "gui/display/frmOrbitalDisplay.h"
#include "gui/files/FileCommands.h"
#include "gui/report/PrintReport.h"
#include "gui/shell/Placement.h"
#include "gui/shell/ToolbarIcons.h"
#include "gui/shell/Twips.h"
#include "gui/shell/frmQuickOpts.h"
#include "gui/shell/frmSplash.h"
#include "gui/shell/mdiMain.h"
#include "gui/views/frmElements.h"
#include "gui/views/frmForceOrbit.h"
#include "gui/views/frmInfo.h"
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

} // namespace

Controller::Controller(std::string appFolder)
{
    if (!appFolder.empty() && appFolder.back() != '/')
        appFolder += '/';
    m_settingsPath = appFolder + std::string(SettingsFileName);
    m_ini.SetLogicErrorHandler([] {
        QMessageBox::critical(nullptr,
                              QString::fromUtf8(IniLogicErrorTitle.data(), IniLogicErrorTitle.size()),
                              QString::fromUtf8(IniLogicErrorText.data(), IniLogicErrorText.size()));
    });
    m_app.UpdateDisplayCaption = [this] { UpdateDisplayCaption(); };
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

    m_main = std::make_unique<mdiMain>(*this);
    m_main->Load();
    m_main->show();

    // The children in their order; Quick Tips, shown last, is the active one.
    FrameOf(OrbitalDisplay())->show();
    FrameOf(Elements())->show();
    FrameOf(Info())->show();
    QuickTips();
    ShowQuickTips();

    NewSystemCommand();
}

void Controller::ShutdownApp()
{
    if (!m_main)
        return;
    RecordPlacement(*m_main, m_app.settings.Main);
    // A child window that the user closed is recorded as normal, at the
    // place it was given when it was loaded.
    const auto record = [this](const QWidget* form, WindowPlacement& placement) {
        QMdiSubWindow* frame = FrameOf(form);
        if (frame == nullptr)
            return;
        if (frame->isVisible())
            RecordPlacement(*frame, placement);
        else
            placement.State = 0;
    };
    record(m_info, m_app.settings.Info);
    record(m_elements, m_app.settings.Elements);
    record(m_display, m_app.settings.Orbit);
    record(m_quickTips, m_app.settings.Quick);
    SaveSettings(m_app.settings, m_ini, m_settingsPath);
}

QMdiSubWindow* Controller::AddChild(QWidget* content)
{
    QMdiSubWindow* frame = m_main->ClientArea()->addSubWindow(content);
    // Closing a child only hides it: it is shown again, as it was, on demand.
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    if (content->minimumSize() == content->maximumSize() && !content->minimumSize().isEmpty()) {
        // A window of fixed size: the user cannot drag its border.
        frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint);
        frame->adjustSize();
        frame->setFixedSize(frame->size());
    }
    return frame;
}

QMdiSubWindow* Controller::FrameOf(const QWidget* content) const
{
    return content != nullptr ? qobject_cast<QMdiSubWindow*>(content->parentWidget()) : nullptr;
}

template <class Form>
Form* Controller::Child(Form*& form, WindowPlacement& placement, QPoint firstPlace, bool withSize)
{
    if (form == nullptr) {
        form = new Form(*this);
        QMdiSubWindow* frame = AddChild(form);
        frame->move(firstPlace);
        ApplyOrCapturePlacement(*frame, placement, withSize);
    }
    return form;
}

frmOrbitalDisplay* Controller::OrbitalDisplay()
{
    if (m_display == nullptr) {
        m_display = new frmOrbitalDisplay(*this);
        QMdiSubWindow* frame = AddChild(m_display);
        frame->setGeometry(QRect(DisplayFirstPlace, m_display->DesignedSize()));
        ApplyOrCapturePlacement(*frame, m_app.settings.Orbit);
    }
    return m_display;
}

frmElements* Controller::Elements()
{
    return Child(m_elements, m_app.settings.Elements, ElementsFirstPlace, true);
}

frmInfo* Controller::Info()
{
    // Its size is fixed: only its place comes back.
    return Child(m_info, m_app.settings.Info, InfoFirstPlace, false);
}

frmQuickOpts* Controller::QuickTips()
{
    if (m_quickTips == nullptr) {
        m_quickTips = new frmQuickOpts(*this);
        QMdiSubWindow* frame = AddChild(m_quickTips);
        // A tool window: no minimise or maximise button, never smaller than
        // its minimum on either side.
        frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        frame->setMinimumSize(frmQuickOpts::MinimumOuterSide(), frmQuickOpts::MinimumOuterSide());
        frame->setGeometry(QRect(QuickTipsFirstPlace, frmQuickOpts::LoadSize()));
        ApplyOrCapturePlacement(*frame, m_app.settings.Quick);
    }
    return m_quickTips;
}

void Controller::ShowQuickTips()
{
    QMdiSubWindow* frame = FrameOf(QuickTips());
    frame->show();
    m_main->ClientArea()->setActiveSubWindow(frame);
}

void Controller::NewSystemCommand()
{
    GenerateSystem(m_app);
    RefreshAll();
}

void Controller::NewOrbitsOnlyCommand()
{
    GenerateOrbitsOnly(m_app);
    RefreshAll();
}

void Controller::RefreshAll()
{
    m_mouse.PushMousePointer(MousePointer::Hourglass);
    OrbitalDisplay()->Redraw();
    Info()->RefreshForm();
    Elements()->RefreshForm();
    m_main->SelectOrbitDisplay(m_app.settings.OrbitDisplay);
    m_mouse.PopMousePointer();
}

void Controller::UpdateDisplayCaption()
{
    if (m_main)
        OrbitalDisplay()->setWindowTitle(ToQt(DisplayCaption(m_app.system.SystemName)));
}

void Controller::SetLifeSupport(std::int16_t value)
{
    m_app.settings.LifeSupport = value;
}

void Controller::SetBiozone(std::int16_t value)
{
    m_app.settings.Biozone = value;
}

void Controller::SetOrbitDisplay(std::int16_t value)
{
    m_app.settings.OrbitDisplay = value;
    RefreshAll();
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
    if (m_forceOrbit == nullptr)
        m_forceOrbit = new frmForceOrbit(*this, m_main.get());
    m_forceOrbit->ForceOrbit(n);
}

frmForceOrbit* Controller::ForceOrbitDialog() const
{
    return m_forceOrbit;
}

void Controller::OrbitPicked(int n)
{
    ForceOrbit(n);
}

void Controller::PopupSetContents(OrbitContents contents)
{
    if (m_app.PopupOrbit < 1 || m_app.PopupOrbit > StarSystem::OrbitCount)
        return;
    SetOrbitContents(m_app.system, *m_app.random, m_app.settings.LifeSupport, m_app.PopupOrbit, contents);
    RefreshAll();
}

void Controller::PopupSetEnvironment(std::int32_t environment)
{
    if (m_app.PopupOrbit < 1 || m_app.PopupOrbit > StarSystem::OrbitCount)
        return;
    SetOrbitEnvironment(m_app.system, m_app.PopupOrbit, environment);
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

} // namespace kelvane
