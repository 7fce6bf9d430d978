#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "core/files/SystemFile.h"
#include "core/model/Codes.h"
#include "core/model/OrbitEditing.h"
#include "core/sector/SectorFile.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorGeneration.h"

namespace kelvane {
namespace {

using Names = std::set<std::string>;

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
    EXPECT_TRUE(entry.edited);
    EXPECT_EQ(entry.code, made.code);
    EXPECT_EQ(entry.name, made.name);
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
    EXPECT_EQ(ReadSectorText(withEdited("1"), read).message,
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
    EXPECT_EQ(read.systems[2].system, saved);
    EXPECT_EQ(read.systems[2].name, "Outpost");
    EXPECT_TRUE(read.systems[2].edited);
    EXPECT_EQ(read.systems[2].summary, SummarizeSystem(saved));
    EXPECT_EQ(read.systems[1].system, edited);

    // A sparser sector over it: the files of hexes it leaves empty go.
    const Sector sparse = GenerateSector({9, 4, 3, 0.2, LifeSupportLevel{2}, BiozoneWidth{1}});
    ASSERT_TRUE(WriteSectorFolder(sparse, folder, ',', "book").Ok());
    EXPECT_EQ(InspectSectorFolder(folder).sectorFiles, FolderNames(sparse));
    EXPECT_TRUE(InspectSectorFolder(folder).refusal.empty());
}

TEST(SectorFolder, ForeignAndDamagedFoldersAreRefusedAndChangeNothing)
{
    const test::TempFolder dir;
    const Sector sector = GenerateSector({12, 3, 2, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    const std::string folder = dir / "s";
    ASSERT_TRUE(WriteSectorFolder(sector, folder, '.', "book").Ok());

    // Writing: a folder with anything else in it, or a file, is left alone.
    std::filesystem::create_directory(dir / "mine");
    test::WriteBytes(dir / "mine/notes.txt", "mine");
    test::WriteBytes(dir / "file", "mine");
    const std::string foreign = "holds other files than a sector's; choose an empty folder or a sector's own";
    EXPECT_EQ(WriteSectorFolder(sector, dir / "mine", '.', "book").reason, foreign);
    EXPECT_EQ(WriteSectorFolder(sector, dir / "file", '.', "book").reason, "not a folder");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "mine"), {}), 1);
    EXPECT_EQ(test::ReadBytes(dir / "file"), "mine");

    // Reading: each fault names its file, and the sector stays as it was.
    const std::string first = folder + "/" + HexFileName(sector.systems[0].hex);
    const std::string kvn = test::ReadBytes(first);
    const struct {
        std::function<void()> damage;
        FileOutcome outcome;
        std::string message;
    } cases[] = {
        {[&] { std::filesystem::remove(first); }, FileOutcome::CannotAccess,
         "0101.KVN: No such file or directory"},
        {[&] { test::WriteBytes(first, "<KelvaneSystem>\r\n<BiozoneMin>\r\nabc\r\n"); },
         FileOutcome::BadContent, "0101.KVN: line 3: 'abc' is not a number (BiozoneMin)"},
        {[&] { test::WriteBytes(first, "a note"); }, FileOutcome::NotKelvaneFile,
         "0101.KVN: This is not a Kelvane 2.0 file."},
        {[&] { test::WriteBytes(folder + "/sector.json", "{\"kelvaneSector\": 1}"); },
         FileOutcome::BadContent, "sector.json: \"seed\" is missing"},
        {[&] { std::filesystem::remove(folder + "/sector.json"); }, FileOutcome::CannotAccess,
         "sector.json: No such file or directory"},
    };
    const Sector before = GenerateSector({1, 2, 2, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    const std::string index = test::ReadBytes(folder + "/sector.json");
    for (const auto& c : cases) {
        test::WriteBytes(first, kvn);
        test::WriteBytes(folder + "/sector.json", index);
        c.damage();
        Sector read = before;
        const FileResult result = ReadSectorFolder(folder, '.', read);
        EXPECT_EQ(result.outcome, c.outcome) << c.message;
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(read, before) << c.message;
    }
}

} // namespace
} // namespace kelvane
