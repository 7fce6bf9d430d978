#include "gui/shell/Controller.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>

#include "core/drawing/OrbitalDisplay.h"
#include "core/model/OrbitEditing.h"
#include "core/model/modGenerate.h"
#include "core/settings/SettingsStore.h"
#include "gui/display/frmOrbitalDisplay.h"
#include "gui/shell/Placement.h"
#include "gui/shell/mdiMain.h"

namespace kelvane {

namespace {

// A toggled option becomes false when it was true (any non-zero value) and
// true (-1) when it was false.
void Toggle(std::int16_t& option)
{
    option = option != 0 ? 0 : -1;
}

} // namespace

Controller::Controller(std::string appFolder)
{
    if (!appFolder.empty() && appFolder.back() != '/')
        appFolder += '/';
    m_settingsPath = appFolder + std::string(SettingsFileName);
    m_ini.SetLogicErrorHandler([] {
        QMessageBox::critical(nullptr, QString::fromUtf8(IniLogicErrorTitle.data(), IniLogicErrorTitle.size()),
                              QString::fromUtf8(IniLogicErrorText.data(), IniLogicErrorText.size()));
    });
    m_app.UpdateDisplayCaption = [this] { UpdateDisplayCaption(); };
}

Controller::~Controller() = default;

void Controller::Main()
{
    SetDefaultSettings(m_app.settings);
    LoadSettings(m_app.settings, m_ini, m_settingsPath);

    m_main = std::make_unique<mdiMain>(*this);
    m_main->Load();
    m_main->show();

    DisplayWindow()->show();

    NewSystemCommand();
}

void Controller::ShutdownApp()
{
    if (!m_main)
        return;
    RecordPlacement(*m_main, m_app.settings.Main);
    // A child window that the user closed is recorded as normal, at the
    // place it was given when it was loaded.
    const auto record = [](QMdiSubWindow* window, WindowPlacement& placement) {
        if (window == nullptr)
            return;
        if (window->isVisible())
            RecordPlacement(*window, placement);
        else
            placement.State = 0;
    };
    record(m_displayWindow, m_app.settings.Orbit);
    SaveSettings(m_app.settings, m_ini, m_settingsPath);
}

QMdiSubWindow* Controller::AddChild(QWidget* content)
{
    QMdiSubWindow* window = m_main->ClientArea()->addSubWindow(content);
    // Closing a child only hides it: it is shown again, as it was, on demand.
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    return window;
}

QMdiSubWindow* Controller::DisplayWindow()
{
    if (m_displayWindow == nullptr) {
        m_display = new frmOrbitalDisplay(*this);
        m_displayWindow = AddChild(m_display);
        m_displayWindow->resize(m_display->DesignedSize());
        ApplyOrCapturePlacement(*m_displayWindow, m_app.settings.Orbit);
    }
    return m_displayWindow;
}

frmOrbitalDisplay* Controller::OrbitalDisplay()
{
    DisplayWindow();
    return m_display;
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
    if (m_main)
        m_main->SelectOrbitDisplay(m_app.settings.OrbitDisplay);
    m_mouse.PopMousePointer();
}

void Controller::UpdateDisplayCaption()
{
    if (m_main)
        OrbitalDisplay()->setWindowTitle(QString::fromStdString(DisplayCaption(m_app.system.SystemName)));
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
}

void Controller::ForceOrbit(int) {}

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

void Controller::OpenSystemCommand() {}
void Controller::SaveSystemAsCommand() {}
void Controller::PrintReport(bool) {}
void Controller::ShowQuickTips() {}
void Controller::ShowAbout() {}

} // namespace kelvane
