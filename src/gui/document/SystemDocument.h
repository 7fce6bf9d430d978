#pragma once

#include <QObject>
#include <QUndoStack>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/AppState.h"
#include "core/files/FileResult.h"
#include "core/model/OrbitEditing.h"
#include "core/model/RandomSource.h"
#include "core/model/SystemCode.h"
#include "core/sector/Sector.h"

namespace kelvane {

namespace test {
struct DocumentAccess;
}

// Where the current system stands in a sector: the sector, by the number the
// document gave it when it was made or opened, and the hex.
struct SectorPlace {
    int sector = 0;
    HexNumber hex;
    bool operator==(const SectorPlace&) const = default;
};

// The part of the state that a change of the system touches: the system, the
// file it was last loaded from or saved to, the background of its drawings,
// its code while it is as generated, and the hex it stands in while it is a
// sector's. About a kilobyte; every step keeps the one before and after.
struct SystemSnapshot {
    StarSystem system;
    std::string CurrentFileName;
    Colour DisplayBackColor = 0;
    std::optional<SystemCode> code;
    std::optional<SectorPlace> place;
    bool operator==(const SystemSnapshot&) const = default;
};

// The open document: the current system with its file, code and place in
// the open sector, the options it is made with, the one random source, and
// the history behind Undo and Redo. It is the only place where the system
// changes: every change is one named step on the undo stack, and the
// document says what changed. It knows nothing of windows.
class SystemDocument final : public QObject {
    Q_OBJECT

public:
    // How many steps can be undone; the oldest are forgotten beyond it.
    static constexpr int Depth = 1000;

    explicit SystemDocument(RandomSource random = RandomSource::FromEntropy());
    ~SystemDocument() override;

    const AppState& State() const { return m_app; }
    // The options are no part of any step.
    AppSettings& Settings() { return m_app.settings; }
    // The source of every roll: generation, forcing and the asteroid dots.
    RandomSource& Source() { return m_random; }
    QUndoStack& History() { return m_history; }
    const QUndoStack& History() const { return m_history; }

    // The code that makes the current system again, while it is as
    // generated: New, New Orbits Only and New from Code give one when the
    // generation can be written down; forcing, the popups and a load that
    // changes the star or the orbits take it away. The name is no part of a
    // code, so renaming keeps it. Undo and Redo bring back each state's.
    const std::optional<SystemCode>& Code() const { return m_code; }

    // The steps. Each is named in the Undo and Redo items as the user knows
    // it ("Force Orbit 3"); a step that changed nothing is none.
    void NewSystem();
    void NewOrbits();
    // The system a code stands for, as New makes a system: a fresh name, no
    // file, a black background, and the code kept.
    void NewFromCode(const SystemCode& code);
    // Orbit n (1 to 10); any other n changes nothing.
    void ForceOrbit(int n, const ForceChoice& choice);
    void SetContents(int n, OrbitContents contents);
    void SetEnvironment(int n, std::int32_t environment);
    // A name typed into the name box: one step per burst of typing, which
    // ends with EndRenameBurst or any other step, Undo or Redo. A name that
    // only repeats what a refresh wrote into the box is no step.
    enum class NameSource { Typed, Echoed };
    void Rename(const std::string& name, NameSource source = NameSource::Typed);
    void EndRenameBurst();
    // A system read from another program's file (JSON), put in place as Load
    // puts one: it has no system file, and its code stays only while it is
    // the system the code makes. name is the file's, for the step's name.
    void Import(const StarSystem& system, const std::string& name);
    // Reads the file at path into the system. On Done the file becomes the
    // current file; on any other outcome it does not, though a damaged file
    // may have stored some fields.
    FileResult Load(const std::string& path);
    // The system of an occupied hex of the open sector, as the sector now
    // holds it: its file is the hex's CCRR.KVN in the sector's folder (none
    // for a sector not saved yet), its code the hex's while it is as
    // generated. From then on every change of it is kept in the sector too,
    // until New, New from Code or a load puts another system in its place.
    void OpenHex(HexNumber hex);
    // Forgets every step: the system made at start-up has nothing before it.
    void ForgetHistory();

    // Not steps: a completed Save As, and the background a report leaves.
    void RecordSavedFile(const std::string& path);
    void SetDisplayBackColor(Colour colour);
    // The orbit the popup menus act on.
    void SetPopupOrbit(int n);

    // The open sector: made or opened in place of any other, closed with its
    // window. Opening one is no change of the current system. folder is
    // where it was read from, empty for a new one; modified for one with
    // changes its folder does not hold (one kept from the last session).
    void OpenSector(Sector sector, std::string folder, bool modified = false);
    void CloseSector();
    // A completed Save Sector As into folder: the sector lives there now, and
    // so does the file of the current system if it is the sector's.
    void RecordSavedSector(const std::string& folder);
    const Sector* CurrentSector() const;
    // What the game master writes in the open sector, as steps of their own,
    // undone and redone while that sector stays open: a hex's notes typed
    // into the notes pane, one step per burst as a name typed into the name
    // box (the burst ends with EndNotesBurst, notes of another hex or any
    // other step), and the sector's name. Text HexNotesFault or
    // SectorNameFault refuses changes nothing.
    void SetHexNotes(HexNumber hex, const std::string& text);
    void EndNotesBurst();
    void RenameSector(const std::string& name);
    // Whether the open sector changed since it was made, opened or saved: a
    // system, notes or its name.
    bool SectorModified() const;
    // Empty when the open sector has no folder, or none is open.
    const std::string& SectorFolder() const;
    // The hex of the open sector that the current system stands in, if any.
    std::optional<HexNumber> CurrentHex() const;

signals:
    // The system's name or file changed: the Orbital Display's caption.
    void CaptionChanged();
    // Undo or Redo put a state back: every view shows it again.
    void Restored();
    void CodeChanged();
    void SectorOpened();
    // A hex's system changed in the open sector, or its folder did.
    void SectorChanged();
    void CurrentHexChanged();

private:
    // Tests put a system of their choosing in place as no step would.
    friend struct test::DocumentAccess;
    class Step;
    class SectorTextStep;
    // Puts text in place as the name (no hex) or a hex's notes of the sector
    // opened as number; false when that sector is no longer open.
    bool PutSectorText(int number, std::optional<HexNumber> hex, const std::string& text);
    void EndBursts();
    // What a change does to the code: a generation sets it, an edit of the
    // star or the orbits ends it.
    enum class CodeEffect { Made, LostOnChange };
    template <class Edit> void Change(const QString& text, CodeEffect effect, Edit edit);
    SystemSnapshot Snapshot() const;
    void Push(const QString& text, const SystemSnapshot& before, bool rename);
    // Puts back what differs between to and from, as it is in to.
    void Restore(const SystemSnapshot& to, const SystemSnapshot& from);
    // Puts the current system into the open sector when it stands in one of
    // its hexes.
    void KeepInSector();

    AppState m_app;
    RandomSource m_random;
    std::optional<SystemCode> m_code;
    bool m_renameBurstOpen = false;
    // The hex whose notes the open burst of typing changes.
    std::optional<HexNumber> m_notesBurst;

    struct OpenedSector {
        Sector sector;
        std::string folder;
        int number = 0;
        bool modified = false;
    };
    std::unique_ptr<OpenedSector> m_sector;
    int m_sectorsOpened = 0;
    // A place in a sector that is no longer open names a number no open
    // sector has.
    std::optional<SectorPlace> m_place;

    // Last, so that its steps go before the state they point into.
    QUndoStack m_history;
};

} // namespace kelvane
