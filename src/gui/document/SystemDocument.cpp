#include "gui/document/SystemDocument.h"

#include <QUndoCommand>
#include <filesystem>
#include <utility>

#include "core/files/SystemFile.h"
#include "core/model/modGenerate.h"
#include "core/sector/SectorFolder.h"
#include "platform/UserDecimalSeparator.h"
#include "render/CoreText.h"
#include "render/QtText.h"

namespace kelvane {

namespace {

// The star and the orbits, which a code makes again; not the name.
bool SameStarAndOrbits(StarSystem a, const StarSystem& b)
{
    a.SystemName = b.SystemName;
    return a == b;
}

QString ContentsStepText(int n, OrbitContents contents)
{
    const QString what = contents == ContentsPlanet      ? SystemDocument::tr("Planet")
                         : contents == ContentsAsteroids ? SystemDocument::tr("Asteroids")
                                                         : SystemDocument::tr("Nothing");
    return SystemDocument::tr("Orbit %1: %2").arg(n).arg(what);
}

bool IsOrbit(int n)
{
    return n >= 1 && n <= StarSystem::OrbitCount;
}

} // namespace

// One step: the states on either side of a change. The stack takes a step
// once the change is made, so its first redo has nothing to do.
class SystemDocument::Step final : public QUndoCommand {
public:
    static constexpr int RenameId = 1;

    Step(SystemDocument& document, const QString& text, SystemSnapshot before, bool rename, bool joins)
        : m_document(document), m_before(std::move(before)), m_after(document.Snapshot()), m_rename(rename),
          m_joins(joins)
    {
        // The menu shows the step as it is named: an ampersand in a file's
        // name is no accelerator there.
        setText(text + QLatin1Char('\n') + QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
    }

    void undo() override { m_document.Restore(m_before, m_after); }
    void redo() override
    {
        if (std::exchange(m_made, false))
            return;
        m_document.Restore(m_after, m_before);
    }
    int id() const override { return m_rename ? RenameId : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const Step*>(other);
        if (!next->m_joins)
            return false;
        m_after = next->m_after;
        // A burst that came back to the name it started from is no step.
        setObsolete(m_after == m_before);
        return true;
    }

private:
    SystemDocument& m_document;
    SystemSnapshot m_before;
    SystemSnapshot m_after;
    bool m_rename;
    bool m_joins;
    bool m_made = true;
};

// A change of what the game master wrote in a sector: its name or a hex's
// notes, before and after. It acts only while the sector it was made in is
// open; after that it is obsolete and leaves the history when reached.
class SystemDocument::SectorTextStep final : public QUndoCommand {
public:
    static constexpr int NotesId = 2;

    SectorTextStep(SystemDocument& document, const QString& text, int sector, std::optional<HexNumber> hex,
                   std::string before, std::string after, bool joins)
        : QUndoCommand(text + QLatin1Char('\n') + text), m_document(document), m_sector(sector), m_hex(hex),
          m_before(std::move(before)), m_after(std::move(after)), m_joins(joins)
    {}

    void undo() override
    {
        m_document.EndBursts();
        setObsolete(!m_document.PutSectorText(m_sector, m_hex, m_before));
    }
    void redo() override
    {
        if (std::exchange(m_made, false))
            return;
        m_document.EndBursts();
        setObsolete(!m_document.PutSectorText(m_sector, m_hex, m_after));
    }
    int id() const override { return m_hex ? NotesId : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const SectorTextStep*>(other);
        if (!next->m_joins || next->m_sector != m_sector || next->m_hex != m_hex)
            return false;
        m_after = next->m_after;
        // A burst that came back to the notes it started from is no step.
        setObsolete(m_before == m_after);
        return true;
    }

private:
    SystemDocument& m_document;
    int m_sector;
    std::optional<HexNumber> m_hex;
    std::string m_before;
    std::string m_after;
    bool m_joins;
    bool m_made = true;
};

SystemDocument::SystemDocument(RandomSource random) : m_random(std::move(random))
{
    m_history.setUndoLimit(Depth);
}

SystemDocument::~SystemDocument() = default;

SystemSnapshot SystemDocument::Snapshot() const
{
    return {m_app.system, m_app.CurrentFileName, m_app.DisplayBackColor, m_code, m_place};
}

void SystemDocument::Push(const QString& text, const SystemSnapshot& before, bool rename)
{
    m_history.push(new Step(*this, text, before, rename, rename && m_renameBurstOpen));
}

template <class Edit> void SystemDocument::Change(const QString& text, CodeEffect effect, Edit edit)
{
    const SystemSnapshot before = Snapshot();
    edit();
    if (effect == CodeEffect::LostOnChange && !SameStarAndOrbits(m_app.system, before.system))
        m_code.reset();
    EndBursts();
    if (Snapshot() != before)
        Push(text, before, false);
    KeepInSector();
    emit CodeChanged();
}

void SystemDocument::Restore(const SystemSnapshot& to, const SystemSnapshot& from)
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
    EndBursts();
    KeepInSector();
    emit CodeChanged();
    emit Restored();
}

void SystemDocument::NewSystem()
{
    Change(tr("New System"), CodeEffect::Made, [this] {
        m_app.DisplayBackColor = 0;
        m_app.CurrentFileName.clear();
        m_code = GenerateSystemWithCode(m_app.system, m_random,
                                        {m_app.settings.LifeSupport, m_app.settings.Biozone});
        m_place.reset();
    });
    emit CaptionChanged();
}

void SystemDocument::NewOrbits()
{
    Change(tr("New Orbits"), CodeEffect::Made, [this] {
        m_app.DisplayBackColor = 0;
        m_app.CurrentFileName.clear();
        m_code = GenerateOrbitsOnlyWithCode(m_app.system, m_random,
                                            {m_app.settings.LifeSupport, m_app.settings.Biozone});
    });
}

void SystemDocument::NewFromCode(const SystemCode& code)
{
    Change(tr("New from Code"), CodeEffect::Made, [&] {
        m_app.DisplayBackColor = 0;
        m_app.system = RegenerateSystem(code);
        m_app.CurrentFileName.clear();
        m_code = code;
        m_place.reset();
    });
    emit CaptionChanged();
}

void SystemDocument::Import(const StarSystem& system, const std::string& name)
{
    Change(tr("Import %1").arg(ToQt(name)), CodeEffect::LostOnChange, [&] {
        m_app.system = system;
        m_app.CurrentFileName.clear();
        m_place.reset();
    });
    emit CaptionChanged();
}

void SystemDocument::ForceOrbit(int n, const ForceChoice& choice)
{
    if (IsOrbit(n))
        Change(tr("Force Orbit %1").arg(n), CodeEffect::LostOnChange,
               [&] { ApplyForceOrbit(m_app.system, m_random, n, choice); });
}

void SystemDocument::SetContents(int n, OrbitContents contents)
{
    if (IsOrbit(n))
        Change(ContentsStepText(n, contents), CodeEffect::LostOnChange,
               [&] { SetOrbitContents(m_app.system, m_random, m_app.settings.LifeSupport, n, contents); });
}

void SystemDocument::SetEnvironment(int n, std::int32_t environment)
{
    if (IsOrbit(n))
        Change(tr("Orbit %1: %2").arg(n).arg(CoreText(EnvironmentName(environment))),
               CodeEffect::LostOnChange, [&] { SetOrbitEnvironment(m_app.system, n, environment); });
}

void SystemDocument::Rename(const std::string& name, NameSource source)
{
    const SystemSnapshot before = Snapshot();
    m_app.system.SystemName = name;
    if (source == NameSource::Typed && name != before.system.SystemName) {
        Push(tr("Rename"), before, true);
        m_renameBurstOpen = true;
    }
    KeepInSector();
    emit CaptionChanged();
}

void SystemDocument::EndRenameBurst()
{
    m_renameBurstOpen = false;
}

FileResult SystemDocument::Load(const std::string& path)
{
    FileResult result;
    const std::string fileName = std::filesystem::path(path).filename().string();
    Change(tr("Load %1").arg(ToQt(fileName)), CodeEffect::LostOnChange, [&] {
        const StarSystem was = m_app.system;
        result = LoadSystemFile(m_app.system, path, UserDecimalSeparator());
        if (result.Ok())
            m_app.CurrentFileName = path;
        // A file read in whole or in part takes the hex's place; one that
        // could not be read leaves the system in its hex.
        if (result.Ok() || m_app.system != was)
            m_place.reset();
    });
    if (result.Ok())
        emit CaptionChanged();
    return result;
}

void SystemDocument::OpenHex(HexNumber hex)
{
    const SectorSystem* entry = m_sector ? m_sector->sector.At(hex) : nullptr;
    if (entry == nullptr)
        return;
    const std::string file = m_sector->folder.empty()
                                 ? std::string()
                                 : (std::filesystem::path(m_sector->folder) / HexFileName(hex)).string();
    Change(tr("Hex %1 (%2)").arg(QString::fromStdString(hex.Text()), ToQt(entry->name)), CodeEffect::Made,
           [&] {
               m_app.system = entry->system;
               m_app.CurrentFileName = file;
               m_code = entry->edited ? std::nullopt : DecodeSystemCode(entry->code);
               m_place = SectorPlace{m_sector->number, hex};
           });
    emit CaptionChanged();
}

void SystemDocument::ForgetHistory()
{
    EndBursts();
    m_history.clear();
}

void SystemDocument::RecordSavedFile(const std::string& path)
{
    m_app.CurrentFileName = path;
    emit CaptionChanged();
}

void SystemDocument::SetDisplayBackColor(Colour colour)
{
    m_app.DisplayBackColor = colour;
}

void SystemDocument::SetPopupOrbit(int n)
{
    m_app.PopupOrbit = static_cast<std::int16_t>(n);
}

void SystemDocument::OpenSector(Sector sector, std::string folder, bool modified)
{
    m_sector = std::make_unique<OpenedSector>(
        OpenedSector{std::move(sector), std::move(folder), ++m_sectorsOpened, modified});
    emit SectorOpened();
    emit CurrentHexChanged();
}

void SystemDocument::CloseSector()
{
    m_sector.reset();
}

void SystemDocument::RecordSavedSector(const std::string& folder)
{
    if (!m_sector)
        return;
    m_sector->folder = folder;
    m_sector->modified = false;
    if (const std::optional<HexNumber> hex = CurrentHex())
        RecordSavedFile((std::filesystem::path(folder) / HexFileName(*hex)).string());
    emit SectorChanged();
}

const Sector* SystemDocument::CurrentSector() const
{
    return m_sector ? &m_sector->sector : nullptr;
}

const std::string& SystemDocument::SectorFolder() const
{
    static const std::string none;
    return m_sector ? m_sector->folder : none;
}

std::optional<HexNumber> SystemDocument::CurrentHex() const
{
    if (!m_sector || !m_place || m_place->sector != m_sector->number)
        return std::nullopt;
    return m_place->hex;
}

void SystemDocument::KeepInSector()
{
    const std::optional<HexNumber> hex = CurrentHex();
    SectorSystem* entry = hex ? m_sector->sector.Find(*hex) : nullptr;
    if (entry != nullptr && entry->system != m_app.system) {
        const std::optional<SystemCode> code = DecodeSystemCode(entry->code);
        SetHexSystem(*entry, m_app.system, code ? RegenerateSystem(*code) : entry->system);
        m_sector->modified = true;
        emit SectorChanged();
    }
    emit CurrentHexChanged();
}

void SystemDocument::EndBursts()
{
    m_renameBurstOpen = false;
    m_notesBurst.reset();
}

void SystemDocument::SetHexNotes(HexNumber hex, const std::string& text)
{
    if (!m_sector || !m_sector->sector.Grid().Contains(hex) || !HexNotesFault(text).Empty())
        return;
    const std::string before = m_sector->sector.NotesOf(hex);
    if (before == text)
        return;
    const bool joins = m_notesBurst == hex;
    m_renameBurstOpen = false;
    m_notesBurst = hex;
    PutSectorText(m_sector->number, hex, text);
    m_history.push(new SectorTextStep(*this, tr("Notes %1").arg(QString::fromStdString(hex.Text())),
                                      m_sector->number, hex, before, text, joins));
}

void SystemDocument::EndNotesBurst()
{
    m_notesBurst.reset();
}

void SystemDocument::RenameSector(const std::string& name)
{
    if (!m_sector || !SectorNameFault(name).Empty() || name == m_sector->sector.name)
        return;
    EndBursts();
    const std::string before = m_sector->sector.name;
    PutSectorText(m_sector->number, std::nullopt, name);
    m_history.push(
        new SectorTextStep(*this, tr("Rename Sector"), m_sector->number, std::nullopt, before, name, false));
}

bool SystemDocument::SectorModified() const
{
    return m_sector && m_sector->modified;
}

bool SystemDocument::PutSectorText(int number, std::optional<HexNumber> hex, const std::string& text)
{
    if (!m_sector || m_sector->number != number)
        return false;
    if (hex)
        m_sector->sector.SetNotes(*hex, text);
    else
        m_sector->sector.name = text;
    m_sector->modified = true;
    emit SectorChanged();
    return true;
}

} // namespace kelvane
