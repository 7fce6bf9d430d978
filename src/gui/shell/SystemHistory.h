#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>
#include <string>

#include "core/model/Codes.h"
#include "core/model/StarSystem.h"
#include "core/model/SystemCode.h"
#include "core/sector/HexGrid.h"

namespace kelvane {

// Where the current system stands in a sector: the sector, by the number the
// program gave it when it was made or opened, and the hex.
struct SectorPlace {
    int sector = 0;
    HexNumber hex;

    bool operator==(const SectorPlace&) const = default;
};

// The part of the program's state that a change of the system touches: the
// system, the file it was last loaded from or saved to, the background of
// its drawings, its code while it is as generated, and the hex it stands in
// while it is a sector's. About a kilobyte.
struct SystemSnapshot {
    StarSystem system;
    std::string CurrentFileName;
    Colour DisplayBackColor = 0;
    std::optional<SystemCode> code;
    std::optional<SectorPlace> place;

    bool operator==(const SystemSnapshot&) const = default;
};

// The history behind Undo and Redo: one step per change of the system, each
// keeping the state before and after it. Steps are recorded after the change
// has been made; undoing a step hands the restore function the state before
// it and the state after it (redoing, the other way round), so that what the
// step changed goes back and what it left alone stays as it is now. The
// names typed into the name box in one burst make one step.
class SystemHistory final : public QObject {
    Q_OBJECT

public:
    // How many steps can be undone; the oldest are forgotten beyond it.
    static constexpr int Depth = 1000;

    // Puts back what differs between to and from, as it is in to.
    using RestoreFunction = std::function<void(const SystemSnapshot& to, const SystemSnapshot& from)>;
    explicit SystemHistory(RestoreFunction restore);
    ~SystemHistory() override;

    // A change that has been made, named by text in the Undo and Redo items
    // ("Force Orbit 3"). A change that changed nothing is no step. Ends the
    // burst of renaming.
    void Record(const QString& text, const SystemSnapshot& before, const SystemSnapshot& after);
    // A change of the name. While the burst is open it joins the rename step
    // on top, so a name typed key by key is undone at once; a burst that
    // comes back to the name it started from leaves no step.
    void RecordRename(const SystemSnapshot& before, const SystemSnapshot& after);
    // The next rename starts a step of its own.
    void EndRenameBurst();
    // Forgets every step.
    void Clear();

    // Puts back the state before the last step, or after the next undone
    // one; false, and nothing restored, when there is none.
    bool Undo();
    bool Redo();

    // What Undo and Redo would act on, as the steps were named; empty when
    // there is nothing.
    QString UndoText() const;
    QString RedoText() const;
    int UndoCount() const;
    int RedoCount() const;

signals:
    // What Undo and Redo offer has changed.
    void Changed();

private:
    void Push(const QString& text, const SystemSnapshot& before, const SystemSnapshot& after, bool rename);

    QUndoStack m_stack;
    RestoreFunction m_restore;
    bool m_renameBurstOpen = false;
};

} // namespace kelvane
