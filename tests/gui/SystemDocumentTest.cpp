#include <QSignalSpy>

#include "GuiTestSupport.h"
#include "core/files/SystemFile.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorGeneration.h"

namespace kelvane {
namespace {

// The document alone, with no window: its steps, its history, its code and
// its place in the open sector.
struct Document : ::testing::Test {
    Document()
    {
        doc.NewSystem();
        doc.ForgetHistory();
    }

    // What a step keeps, as the document shows it.
    struct Seen {
        StarSystem system;
        std::string file;
        Colour back;
        std::optional<SystemCode> code;
        std::optional<HexNumber> hex;
        bool operator==(const Seen&) const = default;
    };
    Seen Now() const
    {
        const AppState& app = doc.State();
        return {app.system, app.CurrentFileName, app.DisplayBackColor, doc.Code(), doc.CurrentHex()};
    }
    const StarSystem& System() const { return doc.State().system; }
    QUndoStack& History() { return doc.History(); }
    int Undos() { return History().index(); }
    int Redos() { return History().count() - History().index(); }
    // The step's name as the Edit menu's items show it.
    QString UndoText() { return History().undoText(); }
    // Saves system under name and loads it.
    FileResult Load(const StarSystem& system, const std::string& name)
    {
        const std::string path = folder / name;
        EXPECT_TRUE(SaveSystemFile(system, path, '.').Ok());
        return doc.Load(path);
    }
    // An orbit's contents other than they are.
    OrbitContents Other(int n) const
    {
        return System().Orbit(n).Type == TypeNothing ? ContentsAsteroids : ContentsNothing;
    }

    test::ScopedEnvironment numbers{"LC_ALL", "C"};
    test::TempFolder folder;
    SystemDocument doc{RandomSource::Deterministic(3)};
};

// Every kind of change is one step named as the Edit menu names it; undone
// and redone one by one, each puts back the whole state on its side, the
// code and the file with it. The options are no part of any step, and a new
// step after an undo drops what could have been redone.
TEST_F(Document, EveryKindOfChangeIsANamedStepThatUndoAndRedoPutBack)
{
    std::vector<Seen> states{Now()};
    std::vector<QString> steps;
    const auto step = [&](const QString& text) {
        steps.push_back(text);
        states.push_back(Now());
        EXPECT_NE(states.back(), states[states.size() - 2]) << text.toStdString();
        EXPECT_EQ(UndoText(), text);
        EXPECT_EQ(Undos(), static_cast<int>(steps.size()));
    };
    QSignalSpy restored(&doc, &SystemDocument::Restored);

    // A report left the background white and a file was saved; New makes
    // the background black again and forgets the file.
    doc.SetDisplayBackColor(ColourWhite);
    doc.RecordSavedFile("old.KVN");
    states.back() = Now();
    doc.NewSystem();
    EXPECT_EQ(doc.State().DisplayBackColor, 0);
    EXPECT_EQ(doc.State().CurrentFileName, "");
    step("New System");

    StarSystem saved = System();
    saved.Orbit(1).Type = TypeEnvGood;
    saved.SystemName = "Vega";
    ASSERT_TRUE(Load(saved, "R&D.KVN").Ok());
    EXPECT_EQ(System(), saved);
    EXPECT_EQ(doc.State().CurrentFileName, folder / "R&D.KVN");
    // The menu shows an ampersand in a file's name, not an accelerator.
    steps.emplace_back("Load R&D.KVN");
    states.push_back(Now());
    EXPECT_EQ(UndoText(), "Load R&&D.KVN");
    EXPECT_EQ(History().command(Undos() - 1)->text(), "Load R&D.KVN");

    // New Orbits keeps the star and the name and forgets the file.
    doc.NewOrbits();
    EXPECT_EQ(System().SystemName, "Vega");
    EXPECT_EQ(System().StarClass, saved.StarClass);
    EXPECT_EQ(System().StarType, saved.StarType);
    EXPECT_EQ(doc.State().CurrentFileName, "");
    step("New Orbits");

    doc.ForceOrbit(3, {System().Orbit(3).Type == TypeAsteroids ? ContentsNothing : ContentsAsteroids});
    step("Force Orbit 3");
    // Orbits that do not exist change nothing.
    for (const int n : {0, 11}) {
        doc.ForceOrbit(n, {ContentsAsteroids});
        doc.SetContents(n, ContentsAsteroids);
        doc.SetEnvironment(n, TypeEnvGood);
    }
    EXPECT_EQ(Now(), states.back());

    doc.SetContents(5, ContentsPlanet);
    step("Orbit 5: Planet");
    const bool hostile = System().Orbit(5).Type == TypeEnvHostile;
    doc.SetEnvironment(5, hostile ? TypeEnvExcellent : TypeEnvHostile);
    step(hostile ? "Orbit 5: Excellent" : "Orbit 5: Hostile");
    // A change to what is there already is no step.
    doc.SetEnvironment(5, System().Orbit(5).Type);
    EXPECT_EQ(Undos(), static_cast<int>(steps.size()));

    doc.Rename("Vega Prime");
    step("Rename");

    const SystemCode code = BatchSystemCode(42, 3, LifeSupportLevel::Good, BiozoneWidth::Double);
    doc.NewFromCode(code);
    step("New from Code");

    StarSystem imported = saved;
    imported.Orbit(2).Moons = 7;
    doc.Import(imported, "vega.json");
    EXPECT_EQ(System(), imported);
    EXPECT_EQ(doc.State().CurrentFileName, "");
    step("Import vega.json");

    // Back to the start and forward again.
    for (std::size_t i = steps.size(); i-- > 0;) {
        History().undo();
        EXPECT_EQ(Now(), states[i]) << "undo " << steps[i].toStdString();
        EXPECT_EQ(History().redoText().remove('&'), QString(steps[i]).remove('&'));
    }
    EXPECT_FALSE(History().canUndo());
    EXPECT_EQ(restored.count(), static_cast<int>(steps.size()));
    for (std::size_t i = 0; i < steps.size(); ++i) {
        History().redo();
        EXPECT_EQ(Now(), states[i + 1]) << "redo " << steps[i].toStdString();
    }
    EXPECT_FALSE(History().canRedo());

    History().undo();
    doc.Settings().LifeSupport = LifeSupportLevel::Poor;
    EXPECT_TRUE(History().canRedo());
    doc.NewOrbits();
    EXPECT_FALSE(History().canRedo());
    History().undo();
    EXPECT_EQ(Now(), states[states.size() - 2]);
    EXPECT_EQ(doc.Settings().LifeSupport, LifeSupportLevel::Poor);
}

// A step takes back what it changed and nothing else: the file that a later
// Save As wrote and the background that a later report left stay.
TEST_F(Document, UndoPutsBackOnlyWhatTheStepChanged)
{
    constexpr Colour grey = 0xD2D2D2;
    doc.SetDisplayBackColor(grey);
    const Seen start = Now();
    doc.NewSystem();
    const Seen generated = Now();
    doc.SetContents(2, Other(2));
    const Seen edited = Now();
    doc.SetDisplayBackColor(ColourWhite);
    doc.RecordSavedFile("s.KVN");

    History().undo();
    EXPECT_EQ(Now(), (Seen{generated.system, "s.KVN", ColourWhite, generated.code, {}}));
    History().undo();
    EXPECT_EQ(Now(), (Seen{start.system, "s.KVN", grey, start.code, {}}));
    History().redo();
    History().redo();
    EXPECT_EQ(Now(), (Seen{edited.system, "s.KVN", 0, edited.code, {}}));
}

// The history keeps its depth and forgets the oldest steps beyond it; what
// it keeps goes back step by step.
TEST_F(Document, TheHistoryKeepsItsDepth)
{
    std::vector<StarSystem> systems{System()};
    for (int i = 0; i < SystemDocument::Depth + 5; ++i) {
        doc.NewSystem();
        systems.push_back(System());
    }
    EXPECT_EQ(Undos(), SystemDocument::Depth);
    for (std::size_t i = systems.size() - 1; History().canUndo(); --i) {
        History().undo();
        ASSERT_EQ(System(), systems[i - 1]) << i;
    }
    EXPECT_EQ(System(), systems[5]);
}

// A typed name is one step per burst. A burst ends when it is ended, with
// any other step, and with Undo and Redo; a name a refresh echoes is no step
// and keeps what can be redone; a burst that comes back to where it began
// leaves no step.
TEST_F(Document, NamesTypedInBursts)
{
    const std::string start = System().SystemName;
    QSignalSpy caption(&doc, &SystemDocument::CaptionChanged);
    doc.Rename("V");
    doc.Rename("Vega");
    doc.Rename("Vega Prime");
    EXPECT_EQ(Undos(), 1);
    EXPECT_EQ(caption.count(), 3);
    doc.EndRenameBurst();
    doc.Rename("Vega Prime II");
    EXPECT_EQ(Undos(), 2);
    doc.NewOrbits();
    doc.Rename("Vega Prime II!");
    EXPECT_EQ(Undos(), 4);

    History().undo();
    EXPECT_EQ(System().SystemName, "Vega Prime II");
    doc.Rename("Vega Prime II (as shown)", SystemDocument::NameSource::Echoed);
    EXPECT_EQ(System().SystemName, "Vega Prime II (as shown)");
    EXPECT_EQ(Redos(), 1);
    History().undo();
    History().undo();
    EXPECT_EQ(System().SystemName, "Vega Prime");
    // Typing after an undo starts a burst of its own.
    doc.Rename("Vega Prime I");
    EXPECT_EQ(Undos(), 2);
    History().undo();
    History().undo();
    EXPECT_EQ(System().SystemName, start);

    // Typed and taken back, a burst is no step.
    doc.Rename(start + "x");
    doc.Rename(start + "xy");
    doc.Rename(start + "x");
    doc.Rename(start);
    EXPECT_EQ(Undos(), 0);
    EXPECT_FALSE(History().canUndo());
}

// The code stands beside the system while it is as generated: each
// generation gives one with the options' Life Support, a rename keeps it, an
// edit or a load that changes the star or the orbits takes it away, and Undo
// brings it back. New from Code makes the code's system as New makes one.
TEST_F(Document, TheCodeFollowsTheSystem)
{
    QSignalSpy changed(&doc, &SystemDocument::CodeChanged);
    doc.Settings().LifeSupport = LifeSupportLevel::Excellent;
    doc.Settings().Biozone = BiozoneWidth::Triple;
    doc.NewSystem();
    ASSERT_TRUE(doc.Code());
    EXPECT_EQ(doc.Code()->lifeSupport, LifeSupportLevel::Excellent);
    EXPECT_EQ(doc.Code()->biozone, BiozoneWidth::Triple);
    doc.NewOrbits();
    ASSERT_TRUE(doc.Code());
    const SystemCode code = *doc.Code();
    EXPECT_EQ(changed.count(), 2);

    doc.Rename("Renamed");
    EXPECT_EQ(doc.Code(), code);
    doc.SetContents(1, Other(1));
    EXPECT_FALSE(doc.Code());
    History().undo();
    EXPECT_EQ(doc.Code(), code);

    StarSystem same = System();
    same.SystemName = "Same";
    ASSERT_TRUE(Load(same, "same.KVN").Ok());
    EXPECT_EQ(doc.Code(), code);
    same.Orbit(2).Moons += 1;
    ASSERT_TRUE(Load(same, "other.KVN").Ok());
    EXPECT_FALSE(doc.Code());
    History().undo();
    EXPECT_EQ(doc.Code(), code);

    const SystemCode typed = BatchSystemCode(7, 2, LifeSupportLevel::Poor, BiozoneWidth::Double);
    doc.SetDisplayBackColor(ColourWhite);
    doc.NewFromCode(typed);
    EXPECT_EQ(Now(), (Seen{RegenerateSystem(typed), "", 0, typed, {}}));
    // The options stay the user's own.
    EXPECT_EQ(doc.Settings().LifeSupport, LifeSupportLevel::Excellent);
}

const SectorOptions& Small = test::SmallSector;

// The open sector's hexes: opening an occupied one is a step that makes its
// system current, with its code and, for a saved sector, its file; every
// change of it, and every undo, is kept in the sector, until another system
// takes its place. Opening a sector is no step.
TEST_F(Document, AHexsSystemIsAStepAndItsEditsAreKeptInTheSector)
{
    QSignalSpy opened(&doc, &SystemDocument::SectorOpened);
    const Seen first = Now();
    doc.OpenSector(GenerateSector(Small), "");
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(Undos(), 0);
    EXPECT_FALSE(doc.SectorModified());
    const Sector& sector = *doc.CurrentSector();
    doc.OpenHex(test::EmptyHex(sector));
    EXPECT_EQ(Undos(), 0);

    const SectorSystem made = sector.systems.front();
    doc.OpenHex(made.hex);
    EXPECT_EQ(UndoText(), QString::fromStdString("Hex " + made.hex.Text() + " (" + made.name + ")"));
    EXPECT_EQ(Now(), (Seen{made.system, "", 0, DecodeSystemCode(made.code), made.hex}));
    doc.OpenHex(made.hex);
    EXPECT_EQ(Undos(), 1);

    doc.SetContents(1, Other(1));
    doc.Rename("Haven");
    const StarSystem edited = System();
    const SectorSystem& entry = *sector.At(made.hex);
    EXPECT_EQ(entry.system, edited);
    EXPECT_EQ(entry.name, "Haven");
    EXPECT_TRUE(entry.edited);
    EXPECT_TRUE(doc.SectorModified());
    History().undo();
    History().undo();
    EXPECT_EQ(entry, made);
    History().redo();
    History().redo();
    EXPECT_EQ(entry.system, edited);

    // New puts another system in the hex's place: a later step changes the
    // sector no more; undone, the hex is current again.
    doc.NewSystem();
    EXPECT_EQ(doc.CurrentHex(), std::nullopt);
    doc.NewOrbits();
    EXPECT_EQ(entry.system, edited);
    History().undo();
    History().undo();
    EXPECT_EQ(Now(), (Seen{edited, "", 0, {}, made.hex}));

    // Saved, the sector is unchanged and the system's file is its hex's.
    doc.RecordSavedSector(folder.Path());
    EXPECT_FALSE(doc.SectorModified());
    EXPECT_EQ(doc.SectorFolder(), folder.Path());
    EXPECT_EQ(doc.State().CurrentFileName, folder / HexFileName(made.hex));

    while (History().canUndo())
        History().undo();
    EXPECT_EQ(System(), first.system);
    EXPECT_EQ(doc.CurrentHex(), std::nullopt);
    EXPECT_EQ(entry, made);

    // A hex of a sector opened from a folder has its file there; once the
    // sector is gone, undo and redo put its system back in no sector.
    const SectorSystem other = sector.systems.back();
    doc.OpenSector(GenerateSector(Small), folder.Path());
    doc.OpenHex(other.hex);
    EXPECT_EQ(doc.State().CurrentFileName, folder / HexFileName(other.hex));
    doc.CloseSector();
    EXPECT_EQ(doc.CurrentHex(), std::nullopt);
    History().undo();
    History().redo();
    EXPECT_EQ(System(), other.system);
    EXPECT_EQ(doc.CurrentHex(), std::nullopt);
}

// What the game master writes: a hex's notes, one step per burst (ended by
// EndNotesBurst, notes of another hex or any other step), and the sector's
// name; text the sector cannot hold changes nothing. Once their sector is
// closed, such steps change nothing and leave the history.
TEST_F(Document, NotesInBurstsAndTheSectorsName)
{
    doc.OpenSector(GenerateSector(Small), "");
    const Sector& sector = *doc.CurrentSector();
    const HexNumber a{1, 1}, b{2, 3};
    doc.SetHexNotes(a, "A");
    doc.SetHexNotes(a, "A nebula.");
    EXPECT_EQ(Undos(), 1);
    EXPECT_EQ(UndoText(), "Notes 0101");
    EXPECT_TRUE(doc.SectorModified());
    doc.SetHexNotes(b, "Pirates.");
    EXPECT_EQ(Undos(), 2);
    doc.SetHexNotes(a, "A nebula. Ships vanish.");
    doc.EndNotesBurst();
    doc.SetHexNotes(a, "A nebula. Ships vanish!");
    EXPECT_EQ(Undos(), 4);
    // Typed and taken back, a burst is no step.
    doc.EndNotesBurst();
    doc.SetHexNotes(b, "Pirates!");
    doc.SetHexNotes(b, "Pirates.");
    EXPECT_EQ(Undos(), 4);
    // Outside the grid, or too long: nothing.
    doc.SetHexNotes({7, 1}, "x");
    doc.SetHexNotes(a, std::string(MaxHexNotesBytes + 1, 'x'));
    EXPECT_EQ(Undos(), 4);

    doc.RenameSector("The Marches");
    EXPECT_EQ(UndoText(), "Rename Sector");
    doc.RenameSector("");
    doc.RenameSector("The Marches");
    EXPECT_EQ(Undos(), 5);
    History().undo();
    EXPECT_EQ(sector.name, "");
    History().undo();
    History().undo();
    EXPECT_EQ(sector.NotesOf(a), "A nebula.");
    History().undo();
    History().undo();
    EXPECT_EQ(sector.NotesOf(a), "");
    EXPECT_EQ(sector.NotesOf(b), "");
    for (int i = 0; i < 5; ++i)
        History().redo();
    EXPECT_EQ(sector.name, "The Marches");
    EXPECT_EQ(sector.NotesOf(a), "A nebula. Ships vanish!");
    EXPECT_EQ(sector.NotesOf(b), "Pirates.");

    doc.RecordSavedSector(folder.Path());
    EXPECT_FALSE(doc.SectorModified());
    doc.OpenSector(GenerateSector(Small), "");
    History().undo();
    EXPECT_EQ(doc.CurrentSector()->name, "");
    EXPECT_FALSE(doc.SectorModified());
    EXPECT_EQ(History().count(), 4);
}

} // namespace
} // namespace kelvane
