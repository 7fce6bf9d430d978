#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <string>

#include "core/model/OrbitEditing.h"
#include "core/sector/HexGrid.h"
#include "gui/document/SystemDocument.h"
#include "gui/views/frmForceOrbit.h"

class QMdiSubWindow;
class QPoint;
class QRect;
class QWidget;

namespace kelvane {

class DrawingSurface;
class MousePointer;
class mdiMain;
class frmElements;
class frmInfo;
class frmOrbitalDisplay;
class frmQuickOpts;
class frmSector;

// The window manager of the main window's client area: creates, finds,
// places and restores the child windows, shows the document in them, and
// passes on what the user asks for in them. A child window the user closed
// is made again, at its recorded place, when something needs it.
class ChildWindows final : public QObject {
    Q_OBJECT

public:
    ChildWindows(mdiMain& main, SystemDocument& document, MousePointer& mouse);
    ~ChildWindows() override;

    // Every view shows the document anew, under the hourglass.
    void RefreshAll();
    // The Orbital Display's caption; a display that was closed comes back
    // with the current drawing.
    void UpdateDisplayCaption();
    // The shapes the Orbital Display shows.
    const DrawingSurface& DisplayedDrawing();

    frmOrbitalDisplay* OrbitalDisplay();
    frmElements* Elements();
    frmInfo* Info();
    frmQuickOpts* QuickTips();
    // Quick Tips made the active window, its first button with the focus.
    void ShowQuickTips();
    // The Force Orbit dialog for orbit n.
    void ForceOrbit(int n);
    // The Force Orbit dialog once it has been opened; else null.
    frmForceOrbit* ForceOrbitDialog() const { return m_forceOrbit.data(); }
    // The Sector window while a sector is open; else null.
    frmSector* SectorWindow() const;

    QMdiSubWindow* FrameOf(const QWidget* content) const;
    // Whether a child window is there: made, and not closed by the user.
    bool IsLoaded(const QWidget* content) const;
    // Records where every child window is, for the settings file.
    void RecordPlacements();

    // What the Sector window asks before it closes (frmSector::SetCloseGuard).
    void SetSectorCloseGuard(std::function<bool()> guard) { m_sectorCloseGuard = std::move(guard); }

signals:
    // What the user asked for in a child window.
    void NewSystemAsked();
    void NewOrbitsAsked();
    void ForceOkayed(int n, const kelvane::ForceChoice& choice);
    void NameEdited(const std::string& name, kelvane::SystemDocument::NameSource source);
    void NameEditingFinished();
    void ContainsPopupAsked(int n, const QPoint& globalPosition);
    void EnvironmentPopupAsked(int n, const QPoint& globalPosition);
    void HexClicked(kelvane::HexNumber hex);
    void NotesEdited(kelvane::HexNumber hex, const QString& text);
    void NotesLeft();

private:
    QMdiSubWindow* AddChild(QWidget* content, const QRect& firstPlace);
    void ShowSectorWindow();
    // Where the Sector window opens before a placement is recorded.
    QRect SectorFirstPlace();
    void OnSectorWindowClosing();

    mdiMain& m_main;
    SystemDocument& m_document;
    std::function<bool()> m_sectorCloseGuard;
    MousePointer& m_mouse;
    QPointer<frmOrbitalDisplay> m_display;
    QPointer<frmElements> m_elements;
    QPointer<frmInfo> m_info;
    QPointer<frmQuickOpts> m_quickTips;
    QPointer<frmForceOrbit> m_forceOrbit;
    QPointer<frmSector> m_sectorWindow;
    // While RefreshAll writes the views, the name box's echo of the name is
    // no edit of the user's.
    bool m_refreshing = false;
};

} // namespace kelvane
