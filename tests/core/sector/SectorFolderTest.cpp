#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

#include "TempFolder.h"
#include "core/files/SystemFile.h"
#include "core/model/Codes.h"
#include "core/model/OrbitEditing.h"
#include "core/sector/KeptSector.h"
#include "core/sector/SectorFile.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorGeneration.h"

namespace kelvane {
namespace {

using Names = std::set<std::string>;

// Named pipes, each with a writer holding it open so that a read of it would
// wait for more; the writers close with this.
struct PipesWithWriters {
    std::vector<int> writers;
    ~PipesWithWriters() { std::for_each(writers.begin(), writers.end(), ::close); }
    void Make(const std::string& path)
    {
        std::filesystem::remove(path);
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        writers.push_back(::open(path.c_str(), O_RDWR | O_NONBLOCK));
        ASSERT_GE(writers.back(), 0);
    }
};

Names FolderNames(const Sector& sector)
{
    Names names{"sector.json", "sector.svg", "sector.pdf"};
    for (const SectorSystem& system : sector.systems)
        names.insert(HexFileName(system.hex));
    return names;
}

// The first planet of a system made Excellent: an edit that shows on the map.
StarSystem Edited(StarSystem system)
{
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        if (IsPlanetType(system.Orbit(n).Type) && system.Orbit(n).Type != TypeEnvExcellent) {
            SetOrbitEnvironment(system, n, TypeEnvExcellent);
            return system;
        }
    }
    ADD_FAILURE() << "no planet to edit";
    return system;
}

TEST(SectorFolder, EditsAndNamesFollowTheSystemAndTheCodeStays)
{
    Sector sector = GenerateSector({41, 3, 3, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    SectorSystem& entry = sector.systems[4];
    const SectorSystem made = entry;
    const StarSystem generated = RegenerateSystem(*DecodeSystemCode(entry.code));

    // Renamed: not edited, since the code never made the name.
    StarSystem renamed = entry.system;
    renamed.SystemName = "Haven";
    SetHexSystem(entry, renamed, generated);
    EXPECT_EQ(entry.name, "Haven");
    EXPECT_FALSE(entry.edited);
    // A name no index can hold stays in the system only.
    renamed.SystemName = "Two\r\nLines";
    SetHexSystem(entry, renamed, generated);
    EXPECT_EQ(entry.name, "Haven");
    EXPECT_EQ(entry.system.SystemName, "Two\r\nLines");
    // An edit: the summary follows, the code stays; undone, the mark goes.
    const StarSystem edited = Edited(made.system);
    SetHexSystem(entry, edited, generated);
    EXPECT_EQ(std::tie(entry.edited, entry.code, entry.name), std::tuple(true, made.code, made.name));
    EXPECT_EQ(entry.summary.bestEnvironment, TypeEnvExcellent);
    EXPECT_EQ(entry.summary, SummarizeSystem(edited));
    SetHexSystem(entry, made.system, generated);
    EXPECT_EQ(entry, made);

    // The index marks the edited system alone and reads the mark back.
    SetHexSystem(entry, edited, generated);
    const std::string text = SectorFileText(sector);
    const std::size_t mark = text.find(", \"edited\": true}");
    ASSERT_NE(mark, std::string::npos);
    EXPECT_EQ(text.rfind("{\"hex\": ", mark), text.find("{\"hex\": \"" + entry.hex.Text()));
    EXPECT_EQ(text.find("\"edited\"", mark + 3), std::string::npos);
    Sector read;
    ASSERT_TRUE(ReadSectorText(text, read).Ok());
    EXPECT_TRUE(read.systems[4].edited);
    EXPECT_EQ(read.systems[4].summary, entry.summary);
    const auto withEdited = [&](const std::string& value) {
        std::string changed = text;
        return changed.replace(changed.find("\"edited\": true"), 14, "\"edited\": " + value);
    };
    EXPECT_EQ(ReadSectorText(withEdited("1"), read).Text(),
              "system " + entry.hex.Text() + ": \"edited\" is not true or false");
}

TEST(SectorFolder, WrittenWithItsEditsAndReadBackAsItIs)
{
    const test::TempFolder dir;
    const std::string folder = dir / "s";
    Sector sector = GenerateSector({8, 4, 3, 0.6, LifeSupportLevel{3}, BiozoneWidth{2}});
    ASSERT_GE(sector.systems.size(), 3u);
    SectorSystem& entry = sector.systems[1];
    StarSystem edited = Edited(entry.system);
    edited.SystemName = "Haven";
    SetHexSystem(entry, edited, sector.systems[1].system);
    ASSERT_TRUE(entry.edited);

    ASSERT_TRUE(WriteSectorFolder(sector, folder, ',', "book").Ok());
    EXPECT_EQ(test::ReadBytes(folder + "/sector.pdf"), "book");
    EXPECT_EQ(test::ReadBytes(folder + "/sector.json"), SectorFileText(sector));
    EXPECT_EQ(test::ReadBytes(folder + "/" + HexFileName(entry.hex)), SystemFileText(edited, ','));
    Sector read;
    ASSERT_TRUE(ReadSectorFolder(folder, ',', read).Ok());
    EXPECT_EQ(read, sector);

    // A system file changed by Save As in the program is what the hex holds
    // when the folder opens again, edited or not as it now is.
    const SectorSystem& other = sector.systems[2];
    StarSystem saved = Edited(other.system);
    saved.SystemName = "Outpost";
    ASSERT_TRUE(SaveSystemFile(saved, folder + "/" + HexFileName(other.hex), ',').Ok());
    ASSERT_TRUE(SaveSystemFile(sector.systems[1].system, folder + "/" + HexFileName(entry.hex), ',').Ok());
    ASSERT_TRUE(ReadSectorFolder(folder, ',', read).Ok());
    EXPECT_EQ(std::tie(read.systems[2].system, read.systems[2].name, read.systems[2].edited),
              std::tuple(saved, "Outpost", true));
    EXPECT_EQ(read.systems[2].summary, SummarizeSystem(saved));
    EXPECT_EQ(read.systems[1].system, edited);

    // A sparser sector over it: the files of hexes it leaves empty go.
    const Sector sparse = GenerateSector({9, 4, 3, 0.2, LifeSupportLevel{2}, BiozoneWidth{1}});
    ASSERT_TRUE(WriteSectorFolder(sparse, folder, ',', "book").Ok());
    EXPECT_EQ(InspectSectorFolder(folder).sectorFiles, FolderNames(sparse));
    EXPECT_TRUE(InspectSectorFolder(folder).refusal.Empty());
}

TEST(SectorFolder, ForeignAndDamagedFoldersAreRefusedAndChangeNothing)
{
    const test::TempFolder dir;
    const Sector sector = GenerateSector({12, 3, 2, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    const std::string folder = dir / "s";
    ASSERT_TRUE(WriteSectorFolder(sector, folder, '.', "book").Ok());

    // Reading: each fault names its file, and the sector stays as it was
    // (what each file's reader says is its own tests' business).
    const std::string first = folder + "/" + HexFileName(sector.systems[0].hex);
    const std::string kvn = test::ReadBytes(first);
    PipesWithWriters pipes;
    const struct {
        std::function<void()> damage;
        FileOutcome outcome;
        std::string message;
    } cases[] = {
        {[&] { std::filesystem::remove(first); }, FileOutcome::CannotAccess,
         "0101.KVN: No such file or directory"},
        {[&] { test::WriteBytes(first, "a note"); }, FileOutcome::NotKelvaneFile,
         "0101.KVN: This is not a Kelvane 2.0 file."},
        {[&] { test::WriteBytes(folder + "/sector.json", "{\"kelvaneSector\": 1}"); },
         FileOutcome::BadContent, "sector.json: \"seed\" is missing"},
        // A pipe with a writer holding it open would block a read for good.
        {[&] { pipes.Make(first); }, FileOutcome::CannotAccess, "0101.KVN: Not a regular file"},
        {[&] { pipes.Make(folder + "/sector.json"); }, FileOutcome::CannotAccess,
         "sector.json: Not a regular file"},
    };
    const Sector before = GenerateSector({1, 2, 2, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    const std::string index = test::ReadBytes(folder + "/sector.json");
    for (const auto& c : cases) {
        std::filesystem::remove(first);
        std::filesystem::remove(folder + "/sector.json");
        test::WriteBytes(first, kvn);
        test::WriteBytes(folder + "/sector.json", index);
        c.damage();
        Sector read = before;
        const FileResult result = ReadSectorFolder(folder, '.', read);
        EXPECT_EQ(result.outcome, c.outcome) << c.message;
        EXPECT_EQ(result.Text(), c.message);
        EXPECT_EQ(read, before) << c.message;
    }
}

TEST(SectorFolder, WritingNeverFollowsALinkNorRemovesAFileNotTheSectorsOwn)
{
    namespace fs = std::filesystem;
    const test::TempFolder dir;
    const Sector sector = GenerateSector({12, 3, 2, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    const Sector other = GenerateSector({13, 3, 2, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    const std::string folder = dir / "s";
    const std::string important = dir / "important.txt";
    const auto linkOut = [&](const std::string& name) {
        fs::remove(folder + "/" + name);
        fs::create_symlink(important, folder + "/" + name);
    };
    const std::string choose = "; choose an empty folder or a sector's own";
    PipesWithWriters pipes;
    const struct {
        std::function<void()> make;
        std::string reason;
    } cases[] = {
        {[&] { linkOut("0101.KVN"); }, "holds 0101.KVN, which is not a regular file" + choose},
        {[&] { linkOut("sector.svg"); }, "holds sector.svg, which is not a regular file" + choose},
        {[&] { pipes.Make(folder + "/0102.KVN"); }, "holds 0102.KVN, which is not a regular file" + choose},
        {[&] { test::WriteBytes(folder + "/notes.txt", "mine"); },
         "holds notes.txt, which is not a sector's file" + choose},
        {[&] { test::WriteBytes(folder + "/0404.KVN", "mine"); },
         "holds 0404.KVN, which is not a sector's file" + choose},
        // Without an index no system file is the sector's.
        {[&] { fs::remove(folder + "/sector.json"); },
         "holds 0101.KVN, which is not a sector's file" + choose},
        {[&] {
             fs::rename(folder, dir / "real");
             fs::create_directory_symlink(dir / "real", folder);
         },
         "is a symbolic link; choose the folder it names"},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder);
        fs::remove_all(dir / "real");
        test::WriteBytes(important, "mine");
        ASSERT_TRUE(WriteSectorFolder(sector, folder, '.', "book").Ok());
        c.make();
        const auto before = test::FilesIn(folder);
        const SectorFolderResult result = WriteSectorFolder(other, folder, '.', "book");
        EXPECT_EQ(result.path, folder);
        EXPECT_EQ(result.Text(), c.reason);
        EXPECT_EQ(test::FilesIn(folder), before) << c.reason;
        EXPECT_EQ(test::ReadBytes(important), "mine") << c.reason;
        for (const std::string& name : dir.Names())
            EXPECT_FALSE(name.starts_with(".")) << name << " after " << c.reason;
    }

    // One writer at a time beside a folder: a second is refused at once.
    fs::remove_all(folder);
    fs::remove_all(dir / "real");
    const int parent = ::open(dir.Path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::flock(parent, LOCK_EX), 0);
    EXPECT_EQ(WriteSectorFolder(other, folder, '.', "book").Text(),
              "another program is writing a folder beside it; try again when it is done");
    ::close(parent);
    EXPECT_EQ(dir.Names(), (Names{"important.txt"}));
}

// Two programs writing the same folder at once: whichever wins, the folder
// holds one sector whole, never the index of one with the systems of the
// other.
TEST(SectorFolder, TwoWritersAtOnceLeaveOneWholeSector)
{
    const test::TempFolder dir;
    const std::string folder = dir / "s";
    const Sector sectors[] = {GenerateSector({21, 12, 12, 1, LifeSupportLevel{2}, BiozoneWidth{1}}),
                              GenerateSector({22, 12, 12, 0.5, LifeSupportLevel{2}, BiozoneWidth{1}})};
    for (int round = 0; round < 3; ++round) {
        pid_t children[2];
        for (int i = 0; i < 2; ++i) {
            children[i] = ::fork();
            ASSERT_GE(children[i], 0);
            if (children[i] == 0) {
                const SectorFolderResult result = WriteSectorFolder(sectors[i], folder, '.', "book");
                ::_exit(result.Ok() ? 0 : result.Text().starts_with("another program") ? 1 : 2);
            }
        }
        int succeeded = 0;
        for (const pid_t child : children) {
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_LT(WEXITSTATUS(status), 2);
            succeeded += WEXITSTATUS(status) == 0 ? 1 : 0;
        }
        EXPECT_GE(succeeded, 1);
        Sector read;
        ASSERT_TRUE(ReadSectorFolder(folder, '.', read).Ok());
        const int which = read == sectors[0] ? 0 : 1;
        EXPECT_EQ(read, sectors[which]);
        EXPECT_EQ(InspectSectorFolder(folder).sectorFiles, FolderNames(sectors[which]));
        EXPECT_EQ(dir.Names(), (Names{"s"}));
    }
}

// A write stopped by its step, at any file, leaves the old sector as it was
// and no hidden folder; one let through to the end without a book leaves no
// sector.pdf, not even the old sector's.
TEST(SectorFolder, AStoppedWriteLeavesTheOldSectorAndABooklessOneHasNoBook)
{
    const test::TempFolder dir;
    const std::string folder = dir / "s";
    const Sector sector = GenerateSector({12, 2, 2, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    const Sector other = GenerateSector({13, 2, 2, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    ASSERT_TRUE(WriteSectorFolder(sector, folder, '.', "book").Ok());
    const auto before = test::FilesIn(folder);
    const int files = static_cast<int>(other.systems.size()) + 3;
    for (int stop = 1; stop <= files; ++stop) {
        int steps = 0;
        const SectorFolderResult result =
            WriteSectorFolder(other, folder, '.', "new book", [&] { return ++steps < stop; });
        EXPECT_EQ(steps, stop);
        EXPECT_EQ(result.path, folder);
        EXPECT_EQ(result.Text(), SectorWriteCancelled);
        EXPECT_EQ(test::FilesIn(folder), before);
        EXPECT_EQ(dir.Names(), (Names{"s"}));
    }

    int steps = 0;
    ASSERT_TRUE(WriteSectorFolder(other, folder, '.', std::nullopt, [&] { return ++steps > 0; }).Ok());
    EXPECT_EQ(steps, files - 1);
    Names bookless = FolderNames(other);
    bookless.erase("sector.pdf");
    EXPECT_EQ(dir.Names(), (Names{"s"}));
    EXPECT_EQ(InspectSectorFolder(folder).sectorFiles, bookless);
    Sector read;
    ASSERT_TRUE(ReadSectorFolder(folder, '.', read).Ok());
    EXPECT_EQ(read, other);
}

// A rewrite that fails part way, on a disk that fills up, leaves the old
// sector as it was; a writer killed part way leaves a hidden folder that the
// next write removes.
TEST(SectorFolder, AFailedRewriteLeavesTheOldSectorWhole)
{
    const test::SmallDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a small disk needs root";
    const std::string folder = disk.Folder() / "s";
    const Sector sector = GenerateSector({12, 1, 1, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    const Sector other = GenerateSector({13, 1, 1, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    ASSERT_TRUE(WriteSectorFolder(sector, folder, '.', "book").Ok());
    const auto before = test::FilesIn(folder);
    const SectorFolderResult result = WriteSectorFolder(other, folder, '.', std::string(100000, 'x'));
    EXPECT_EQ(result.path, folder + "/sector.pdf");
    EXPECT_EQ(result.Text(), "No space left on device");
    EXPECT_EQ(test::FilesIn(folder), before);
    EXPECT_EQ(disk.Folder().Names(), (Names{"s"}));

    const std::string stale = disk.Folder() / ".s.kelvane-abcd1234";
    std::filesystem::create_directory(stale);
    test::WriteBytes(stale + "/0101.KVN", "half");
    ASSERT_TRUE(WriteSectorFolder(other, folder, '.', "book").Ok());
    EXPECT_EQ(disk.Folder().Names(), (Names{"s"}));
    Sector read;
    ASSERT_TRUE(ReadSectorFolder(folder, '.', read).Ok());
    EXPECT_EQ(read, other);
}

// Notes and a name are written into the folder as they are asked for and
// nothing else changes: each system file keeps its bytes (one here indented
// by another program), the book is made again only where
// there is one, and a refused change or a folder without an index leaves all
// as it was.
TEST(SectorFolder, AnUpdateChangesTheIndexMapAndBookAndKeepsTheSystemFiles)
{
    const test::TempFolder dir;
    const std::string folder = dir / "s";
    const Sector sector = GenerateSector({21, 3, 3, 0.6, LifeSupportLevel{2}, BiozoneWidth{1}});
    ASSERT_FALSE(sector.systems.empty());
    const HexNumber occupied = sector.systems[0].hex;
    ASSERT_TRUE(WriteSectorFolder(sector, folder, '.', "book").Ok());
    const std::string first = folder + "/" + HexFileName(occupied);
    test::WriteBytes(first, "   " + test::ReadBytes(first));
    const auto before = test::FilesIn(folder);
    int books = 0;
    const SectorBookMaker makeBook = [&](const Sector& made) {
        ++books;
        return std::optional<std::string>(SectorName(made) + " " + made.NotesOf(occupied));
    };

    const auto refuse = [](Sector&) { return std::string("hex 0909 is not a hex of this sector"); };
    EXPECT_EQ(UpdateSectorFolder(folder, '.', refuse, makeBook).Text(),
              "hex 0909 is not a hex of this sector");
    EXPECT_EQ(test::FilesIn(folder), before);

    const auto annotate = [&](Sector& read) {
        read.name = "Marches";
        read.SetNotes(occupied, "Pirates.");
        read.SetNotes({3, 3}, "A nebula.");
        return std::string();
    };
    ASSERT_TRUE(UpdateSectorFolder(folder, '.', annotate, makeBook).Ok());
    EXPECT_EQ(books, 1);
    EXPECT_EQ(test::ReadBytes(folder + "/sector.pdf"), "Marches Pirates.");
    Sector expected = sector;
    annotate(expected);
    EXPECT_EQ(test::ReadBytes(folder + "/sector.json"), SectorFileText(expected));
    EXPECT_NE(test::ReadBytes(folder + "/sector.svg").find("Marches: 3 x 3 hexes"), std::string::npos);
    for (const SectorSystem& system : sector.systems)
        EXPECT_EQ(test::ReadBytes(folder + "/" + HexFileName(system.hex)),
                  before.at(HexFileName(system.hex)));
    EXPECT_EQ(dir.Names(), (Names{"s"}));

    // Without a book none is made; without an index there is no sector.
    std::filesystem::remove(folder + "/sector.pdf");
    ASSERT_TRUE(UpdateSectorFolder(folder, '.', annotate, makeBook).Ok());
    EXPECT_EQ(books, 1);
    EXPECT_FALSE(std::filesystem::exists(folder + "/sector.pdf"));
    std::filesystem::remove(folder + "/sector.json");
    const auto unindexed = test::FilesIn(folder);
    EXPECT_EQ(UpdateSectorFolder(folder, '.', annotate, makeBook).Text(),
              "holds " + HexFileName(occupied) +
                  ", which is not a sector's file; choose an empty folder or a sector's own");
    EXPECT_EQ(test::FilesIn(folder), unindexed);
    EXPECT_EQ(UpdateSectorFolder(dir / "none", '.', annotate, makeBook).Text(),
              "holds no sector: it has no sector.json");
    EXPECT_EQ(dir.Names(), (Names{"s"}));
}

// What the program keeps of its open sector at its end comes back at the next
// start: an unsaved one, notes and edits included, from its copy; a saved one
// from its own folder, as that folder now holds it. Forgotten, nothing comes
// back; a session that cannot be read says why.
TEST(KeptSector, AnUnsavedSectorFromItsCopyASavedOneFromItsFolder)
{
    const test::TempFolder dir;
    const std::string kept = dir / "data";
    Message error;
    EXPECT_FALSE(ReadKeptSector(kept, '.', error));
    EXPECT_EQ(English(error), "");

    Sector sector = GenerateSector({31, 3, 3, 0.6, LifeSupportLevel{2}, BiozoneWidth{1}});
    ASSERT_GE(sector.systems.size(), 2u);
    SetHexSystem(sector.systems[1], Edited(sector.systems[1].system), sector.systems[1].system);
    sector.SetNotes({3, 3}, "A nebula.");
    sector.name = "Marches";
    ASSERT_EQ(KeepSector(kept, sector, {dir / "s", true}, ','), "");
    auto read = ReadKeptSector(kept, ',', error);
    ASSERT_TRUE(read) << English(error);
    EXPECT_EQ(read->first, (KeptSector{dir / "s", true}));
    EXPECT_EQ(read->second, sector);

    // Saved: read from its folder, which a script may have changed since.
    ASSERT_TRUE(WriteSectorFolder(sector, dir / "s", ',', std::nullopt).Ok());
    ASSERT_EQ(KeepSector(kept, sector, {dir / "s", false}, ','), "");
    EXPECT_EQ(dir.Names(), (Names{"data", "s"}));
    EXPECT_EQ(test::NamesIn(kept), (Names{"session.json"}));
    Sector changed = sector;
    changed.SetNotes({1, 1}, "Changed outside.");
    ASSERT_TRUE(WriteSectorFolder(changed, dir / "s", ',', std::nullopt).Ok());
    read = ReadKeptSector(kept, ',', error);
    ASSERT_TRUE(read) << English(error);
    EXPECT_EQ(read->second, changed);
    std::filesystem::rename(dir / "s", dir / "moved");
    EXPECT_FALSE(ReadKeptSector(kept, ',', error));
    EXPECT_TRUE(English(error).starts_with(dir / "s" + ": sector.json: ")) << English(error);

    ForgetKeptSector(kept);
    EXPECT_FALSE(ReadKeptSector(kept, ',', error));
    EXPECT_TRUE(test::NamesIn(kept).empty());
    test::WriteBytes(kept + "/session.json", "{\"origin\": 5}");
    EXPECT_FALSE(ReadKeptSector(kept, ',', error));
    EXPECT_EQ(English(error), kept + "/session.json: not a session this program keeps");
}

} // namespace
} // namespace kelvane
