#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/sector/Sector.h"

class QLabel;
class QPlainTextEdit;

namespace kelvane {

class SectorMapView;

// The Sector window: the open sector's map, its title in the caption, under
// the map how its systems were made and where it was read from or saved to,
// and beside it the notes of the map's focus hex (the hex last clicked or
// reached by the arrow keys), which the user edits there. A click on a
// system reports its hex; the controller makes it the current system. Typed
// notes are reported as they change; the sector, which is the controller's,
// changes when the controller says so. Closing the window closes the sector.
class frmSector final : public QWidget {
    Q_OBJECT

public:
    explicit frmSector(QWidget* parent = nullptr);

    SectorMapView* MapView() const { return m_map; }
    // The frame size on first opening, before any placement is saved.
    static QSize DesignedSize();

    // Shows sector, which stays the controller's, fitted in the window;
    // folder is where it lives, empty for one not saved yet.
    void ShowSector(const Sector* sector, const QString& folder);
    // The sector's systems changed: the map and the caption are drawn anew.
    void Redraw();
    // The sector now lives in folder; the map stays as it is shown.
    void SetFolder(const QString& folder);
    // Outlines the current system's hex, or none.
    void SetCurrentHex(std::optional<HexNumber> hex);
    // Asked when the user closes the window: false keeps it open.
    void SetCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    // The hex whose notes the pane shows, none before one is chosen.
    std::optional<HexNumber> NotesHex() const { return m_notesHex; }

signals:
    void HexClicked(kelvane::HexNumber hex);
    // The user changed the notes of hex in the pane to text.
    void NotesEdited(kelvane::HexNumber hex, const QString& text);
    // The user left the notes pane: a burst of typing ends.
    void NotesLeft();
    // The user is closing the window.
    void Closing();

protected:
    void closeEvent(QCloseEvent* event) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowCaption();
    // Shows the notes of hex in the pane, as the sector holds them.
    void ShowNotes(std::optional<HexNumber> hex);

    const Sector* m_sector = nullptr;
    QString m_folder;
    SectorMapView* m_map;
    QLabel* m_info;
    QLabel* m_notesTitle;
    QPlainTextEdit* m_notes;
    std::optional<HexNumber> m_notesHex;
    // The pane's text is being set from the sector, not typed.
    bool m_showingNotes = false;
    std::function<bool()> m_closeGuard;
};

} // namespace kelvane
