#include "gui/shell/ChildWindows.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "core/drawing/DrawingSurface.h"
#include "core/drawing/OrbitalDisplay.h"
#include "gui/display/MousePointer.h"
#include "gui/display/SurfaceWidget.h"
#include "gui/display/frmOrbitalDisplay.h"
#include "gui/sector/frmSector.h"
#include "gui/shell/Placement.h"
#include "gui/shell/frmQuickOpts.h"
#include "gui/shell/mdiMain.h"
#include "gui/views/frmElements.h"
#include "gui/views/frmForceOrbit.h"
#include "gui/views/frmInfo.h"
#include "render/QtText.h"

namespace kelvane {

namespace {

// The Orbital Display window's caption for a system name.
QString DisplayCaption(const std::string& systemName)
{
    return frmOrbitalDisplay::tr("Orbital Display (%1)")
        .arg(systemName.empty() ? frmOrbitalDisplay::tr("<Unnamed System>") : ToQt(systemName));
}

// Where the child windows open on first start, before any placement is
// recorded: side by side in the client area, in pixels.
constexpr QPoint DisplayFirstPlace(0, 0);
constexpr QPoint InfoFirstPlace(475, 0);
constexpr QPoint ElementsFirstPlace(475, 305);
constexpr QPoint QuickTipsFirstPlace(752, 0);
// Where the Sector window opens when there is no room beside the others:
// over them, a little in from the corner.
constexpr QPoint SectorOverPlace(40, 30);
// The least width of the room beside the others that the Sector window
// takes.
constexpr int SectorLeastWidth = 480;

// The window flags of a child the user cannot resize, or a tool window.
constexpr Qt::WindowFlags FixedFrame = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                       Qt::WindowCloseButtonHint;
constexpr Qt::WindowFlags ToolFrame = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace

ChildWindows::ChildWindows(mdiMain& main, SystemDocument& document, MousePointer& mouse)
    : m_main(main), m_document(document), m_mouse(mouse)
{
    connect(&document, &SystemDocument::CaptionChanged, this, &ChildWindows::UpdateDisplayCaption);
    connect(&document, &SystemDocument::Restored, this, [this] {
        UpdateDisplayCaption();
        RefreshAll();
    });
    connect(&document, &SystemDocument::SectorOpened, this, &ChildWindows::ShowSectorWindow);
    connect(&document, &SystemDocument::SectorChanged, this, [this] {
        if (frmSector* window = SectorWindow()) {
            window->Redraw();
            window->SetFolder(ToQt(m_document.SectorFolder()));
        }
    });
    connect(&document, &SystemDocument::CurrentHexChanged, this, [this] {
        if (frmSector* window = SectorWindow())
            window->SetCurrentHex(m_document.CurrentHex());
    });
}

ChildWindows::~ChildWindows() = default;

QMdiSubWindow* ChildWindows::AddChild(QWidget* content, const QRect& firstPlace)
{
    QMdiSubWindow* frame = m_main.ClientArea()->addSubWindow(content);
    // Closing a child unloads it; whatever needs it later loads it again.
    frame->setAttribute(Qt::WA_DeleteOnClose, true);
    if (content->minimumSize() == content->maximumSize() && !content->minimumSize().isEmpty()) {
        // A window of fixed size: the user cannot drag its border.
        frame->setWindowFlags(FixedFrame);
        frame->adjustSize();
        frame->setFixedSize(frame->size());
        frame->move(firstPlace.topLeft());
    } else {
        frame->setGeometry(firstPlace);
    }
    return frame;
}

bool ChildWindows::IsLoaded(const QWidget* content) const
{
    // A closed child is hidden at once and deleted a moment later; from
    // its closing on it counts as unloaded.
    const QMdiSubWindow* frame = FrameOf(content);
    return frame != nullptr && !frame->isHidden();
}

QMdiSubWindow* ChildWindows::FrameOf(const QWidget* content) const
{
    return content != nullptr ? qobject_cast<QMdiSubWindow*>(content->parentWidget()) : nullptr;
}

frmOrbitalDisplay* ChildWindows::OrbitalDisplay()
{
    if (!IsLoaded(m_display)) {
        m_display = new frmOrbitalDisplay(m_document.State(), m_document.Source());
        connect(m_display, &frmOrbitalDisplay::OrbitPicked, this, &ChildWindows::ForceOrbit);
        QMdiSubWindow* frame = AddChild(m_display, QRect(DisplayFirstPlace, m_display->DesignedSize()));
        ApplyOrCapturePlacement(*frame, m_document.Settings().Orbit);
        m_display->setWindowTitle(DisplayCaption(m_document.State().system.SystemName));
        frame->show();
    }
    return m_display;
}

frmElements* ChildWindows::Elements()
{
    if (!IsLoaded(m_elements)) {
        m_elements = new frmElements(m_document.State());
        QMdiSubWindow* frame = AddChild(m_elements, QRect(ElementsFirstPlace, QSize()));
        ApplyOrCapturePlacement(*frame, m_document.Settings().Elements);
        frame->show();
    }
    return m_elements;
}

frmInfo* ChildWindows::Info()
{
    if (!IsLoaded(m_info)) {
        m_info = new frmInfo(m_document.State());
        connect(m_info, &frmInfo::NameEdited, this, [this](const QString& name) {
            // A name the user did not edit keeps its bytes, whatever Qt makes of them.
            emit NameEdited(FromQtKeeping(name, m_document.State().system.SystemName),
                            m_refreshing ? SystemDocument::NameSource::Echoed
                                         : SystemDocument::NameSource::Typed);
        });
        connect(m_info, &frmInfo::NameEditingFinished, this, &ChildWindows::NameEditingFinished);
        connect(m_info, &frmInfo::ContainsPopupAsked, this, &ChildWindows::ContainsPopupAsked);
        connect(m_info, &frmInfo::EnvironmentPopupAsked, this, &ChildWindows::EnvironmentPopupAsked);
        QMdiSubWindow* frame = AddChild(m_info, QRect(InfoFirstPlace, QSize()));
        // Its size is fixed: only its place comes back.
        ApplyOrCapturePlacement(*frame, m_document.Settings().Info, false);
        frame->show();
    }
    return m_info;
}

frmQuickOpts* ChildWindows::QuickTips()
{
    if (!IsLoaded(m_quickTips)) {
        m_quickTips = new frmQuickOpts;
        connect(m_quickTips, &frmQuickOpts::GenerateSystemClicked, this, &ChildWindows::NewSystemAsked);
        connect(m_quickTips, &frmQuickOpts::RegenerateOrbitsClicked, this, &ChildWindows::NewOrbitsAsked);
        QMdiSubWindow* frame = AddChild(m_quickTips, QRect(QuickTipsFirstPlace, frmQuickOpts::LoadSize()));
        // A tool window: no minimise or maximise button, never smaller than
        // its minimum on either side.
        frame->setWindowFlags(ToolFrame);
        frame->setMinimumSize(frmQuickOpts::MinimumOuterSide(), frmQuickOpts::MinimumOuterSide());
        frame->setGeometry(QRect(QuickTipsFirstPlace, frmQuickOpts::LoadSize()));
        ApplyOrCapturePlacement(*frame, m_document.Settings().Quick);
        frame->show();
    }
    return m_quickTips;
}

void ChildWindows::ShowQuickTips()
{
    QMdiSubWindow* frame = FrameOf(QuickTips());
    frame->show();
    m_main.ClientArea()->setActiveSubWindow(frame);
    // The window's first button takes the focus, as in any window made active.
    m_quickTips->findChild<QWidget*>(QStringLiteral("Command1"))->setFocus(Qt::ActiveWindowFocusReason);
}

void ChildWindows::RefreshAll()
{
    const bool wasRefreshing = std::exchange(m_refreshing, true);
    {
        const BusyCursor busy(m_mouse);
        OrbitalDisplay()->Redraw();
        Info()->RefreshForm();
        Elements()->RefreshForm();
        m_main.SelectOrbitDisplay(m_document.State().settings.OrbitDisplay);
    }
    m_refreshing = wasRefreshing;
}

void ChildWindows::UpdateDisplayCaption()
{
    const bool reloaded = !IsLoaded(m_display);
    OrbitalDisplay()->setWindowTitle(DisplayCaption(m_document.State().system.SystemName));
    if (reloaded)
        m_display->Redraw();
}

const DrawingSurface& ChildWindows::DisplayedDrawing()
{
    UpdateDisplayCaption();
    return OrbitalDisplay()->vsdDisplay()->Surface();
}

void ChildWindows::ForceOrbit(int n)
{
    if (m_forceOrbit == nullptr) {
        m_forceOrbit = new frmForceOrbit(m_document.State(), &m_main);
        connect(m_forceOrbit, &frmForceOrbit::Okayed, this, &ChildWindows::ForceOkayed);
    }
    m_forceOrbit->ForceOrbit(n);
}

frmSector* ChildWindows::SectorWindow() const
{
    return IsLoaded(m_sectorWindow) && m_document.CurrentSector() != nullptr ? m_sectorWindow.data()
                                                                             : nullptr;
}

void ChildWindows::ShowSectorWindow()
{
    if (!IsLoaded(m_sectorWindow)) {
        m_sectorWindow = new frmSector;
        connect(m_sectorWindow, &frmSector::HexClicked, this, &ChildWindows::HexClicked);
        connect(m_sectorWindow, &frmSector::NotesEdited, this, &ChildWindows::NotesEdited);
        connect(m_sectorWindow, &frmSector::NotesLeft, this, &ChildWindows::NotesLeft);
        m_sectorWindow->SetCloseGuard(m_sectorCloseGuard);
        connect(m_sectorWindow, &frmSector::Closing, this, &ChildWindows::OnSectorWindowClosing);
        QMdiSubWindow* frame = AddChild(m_sectorWindow, SectorFirstPlace());
        ApplyOrCapturePlacement(*frame, m_document.Settings().Sector);
        frame->show();
    }
    m_sectorWindow->ShowSector(m_document.CurrentSector(), ToQt(m_document.SectorFolder()));
    m_sectorWindow->SetCurrentHex(m_document.CurrentHex());
    m_main.ClientArea()->setActiveSubWindow(FrameOf(m_sectorWindow));
    m_main.Action(QStringLiteral("mnuSectorSaveAs"))->setEnabled(true);
    m_main.Action(QStringLiteral("mnuSectorRename"))->setEnabled(true);
    m_main.Action(QStringLiteral("mnuSectorVault"))->setEnabled(true);
}

QRect ChildWindows::SectorFirstPlace()
{
    // Beside the child windows that show, to their right, from the top of
    // the client area to its bottom; the main window grows to the right for
    // it as far as its screen allows, unless it is maximized.
    QMdiArea& area = *m_main.ClientArea();
    int right = 0;
    for (const QMdiSubWindow* frame : area.subWindowList())
        if (frame->isVisible() && !frame->isMinimized() && frame->widget() != m_sectorWindow)
            right = std::max(right, frame->geometry().right() + 1);
    const QSize designed = frmSector::DesignedSize();
    int room = area.viewport()->width() - right;
    const Qt::WindowStates fixed = Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized;
    if (room < designed.width() && !(m_main.windowState() & fixed) && m_main.screen() != nullptr) {
        const int spare = m_main.screen()->availableGeometry().right() - m_main.frameGeometry().right();
        const int grow = std::min(designed.width() - room, spare);
        if (grow > 0) {
            m_main.resize(m_main.width() + grow, m_main.height());
            room += grow;
        }
    }
    const QSize client = area.viewport()->size();
    if (room >= SectorLeastWidth)
        return {right, 0, std::min(room, designed.width()), client.height()};
    const QSize size = designed.boundedTo(client - QSize(2 * SectorOverPlace.x(), 2 * SectorOverPlace.y()))
                           .expandedTo(QSize(320, 240));
    return {SectorOverPlace, size};
}

void ChildWindows::OnSectorWindowClosing()
{
    if (QMdiSubWindow* frame = FrameOf(m_sectorWindow))
        RecordPlacement(*frame, m_document.Settings().Sector);
    m_document.CloseSector();
    m_main.Action(QStringLiteral("mnuSectorSaveAs"))->setEnabled(false);
    m_main.Action(QStringLiteral("mnuSectorRename"))->setEnabled(false);
    m_main.Action(QStringLiteral("mnuSectorVault"))->setEnabled(false);
}

void ChildWindows::RecordPlacements()
{
    AppSettings& settings = m_document.Settings();
    // A child window that the user closed would load again at the placement
    // on record and be recorded from there as normal: only the state changes.
    const auto record = [this](const QWidget* form, WindowPlacement& placement) {
        if (IsLoaded(form))
            RecordPlacement(*FrameOf(form), placement);
        else
            placement.State = 0;
    };
    record(m_info, settings.Info);
    record(m_elements, settings.Elements);
    record(m_display, settings.Orbit);
    record(m_quickTips, settings.Quick);
    // The Sector window is there only while a sector is open; a closed one
    // recorded its placement as it closed.
    if (IsLoaded(m_sectorWindow))
        RecordPlacement(*FrameOf(m_sectorWindow), settings.Sector);
}

} // namespace kelvane
