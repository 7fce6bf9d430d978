#include "gui/shell/SystemHistory.h"

#include <QUndoCommand>
#include <utility>

namespace kelvane {

namespace {

// One step: the states on either side of a change.
class SystemStep final : public QUndoCommand {
public:
    static constexpr int RenameId = 1;

    SystemStep(const QString& text, SystemSnapshot before, SystemSnapshot after,
               const SystemHistory::RestoreFunction& restore, bool rename, bool joins)
        : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after)), m_restore(restore),
          m_rename(rename), m_joins(joins)
    {}

    void undo() override { m_restore(m_before, m_after); }
    void redo() override
    {
        // The stack redoes a step as it takes it; the change is made already.
        if (m_made) {
            m_made = false;
            return;
        }
        m_restore(m_after, m_before);
    }
    int id() const override { return m_rename ? RenameId : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const SystemStep*>(other);
        if (!next->m_joins)
            return false;
        m_after = next->m_after;
        setObsolete(m_after == m_before);
        return true;
    }

private:
    SystemSnapshot m_before;
    SystemSnapshot m_after;
    const SystemHistory::RestoreFunction& m_restore;
    bool m_rename;
    bool m_joins;
    bool m_made = true;
};

} // namespace

SystemHistory::SystemHistory(RestoreFunction restore) : m_restore(std::move(restore))
{
    m_stack.setUndoLimit(Depth);
}

SystemHistory::~SystemHistory()
{
    // The steps refer to the restore function: they go first.
    m_stack.clear();
}

void SystemHistory::Record(const QString& text, const SystemSnapshot& before, const SystemSnapshot& after)
{
    m_renameBurstOpen = false;
    if (before != after)
        Push(text, before, after, false);
}

void SystemHistory::RecordRename(const SystemSnapshot& before, const SystemSnapshot& after)
{
    if (before == after)
        return;
    Push(QStringLiteral("Rename"), before, after, true);
    m_renameBurstOpen = true;
}

void SystemHistory::EndRenameBurst()
{
    m_renameBurstOpen = false;
}

void SystemHistory::Push(const QString& text, const SystemSnapshot& before, const SystemSnapshot& after,
                         bool rename)
{
    m_stack.push(new SystemStep(text, before, after, m_restore, rename, rename && m_renameBurstOpen));
    emit Changed();
}

void SystemHistory::Clear()
{
    m_renameBurstOpen = false;
    m_stack.clear();
    emit Changed();
}

bool SystemHistory::Undo()
{
    if (!m_stack.canUndo())
        return false;
    m_renameBurstOpen = false;
    m_stack.undo();
    emit Changed();
    return true;
}

bool SystemHistory::Redo()
{
    if (!m_stack.canRedo())
        return false;
    m_renameBurstOpen = false;
    m_stack.redo();
    emit Changed();
    return true;
}

QString SystemHistory::UndoText() const
{
    return m_stack.canUndo() ? m_stack.undoText() : QString();
}

QString SystemHistory::RedoText() const
{
    return m_stack.canRedo() ? m_stack.redoText() : QString();
}

int SystemHistory::UndoCount() const
{
    return m_stack.index();
}

int SystemHistory::RedoCount() const
{
    return m_stack.count() - m_stack.index();
}

} // namespace kelvane
