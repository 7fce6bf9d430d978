#include <map>
#include <regex>

#include "CliFixture.h"
#include "core/files/SystemFile.h"
#include "core/sector/SectorFile.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorGeneration.h"
#include "core/sector/SectorMap.h"
#include "core/sector/SectorMapSvg.h"
#include "core/sector/SectorVault.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

// kelvane-cli sector and show of a sector, run as a script runs them.
class SectorCli : public test::CliFixture {
protected:
    using Run = test::CliRun;

    // The sector a folder's index holds.
    Sector Index(const std::string& folder) const
    {
        Sector sector;
        const FileResult read = ReadSectorFile((dir / folder / SectorFileName).string(), sector);
        EXPECT_TRUE(read.Ok()) << read.Text();
        return sector;
    }
};

TEST_F(SectorCli, WritesTheSameFolderEveryTimeAsTheCoreMakesIt)
{
    const std::string options = "--seed 5 --width 6 --height 5 --density 0.6 --life-support 3 --biozone 2";
    Ok("sector " + options + " --book on -o one", true);
    const Sector expected = GenerateSector({5, 6, 5, 0.6, LifeSupportLevel{3}, BiozoneWidth{2}});
    Names names{"sector.json", "sector.svg", "sector.pdf"};
    for (const SectorSystem& system : expected.systems)
        names.insert(system.hex.Text() + ".KVN");
    EXPECT_EQ(Files("one"), names);
    EXPECT_EQ(Read("one/sector.json"), SectorFileText(expected));
    EXPECT_EQ(Read("one/sector.svg"), SectorMapSvg(DrawSectorMap(expected)));
    const std::string pdf = Read("one/sector.pdf");
    const std::regex page("/Type /Page[^s]");
    EXPECT_EQ(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), {}),
              static_cast<long>(expected.systems.size()) + 1);

    // Each system file is the one Save As writes for its system, its name
    // included (that a hex's code makes its system again is the core's).
    for (const SectorSystem& system : expected.systems)
        EXPECT_EQ(Read("one/" + system.hex.Text() + ".KVN"), SystemFileText(system.system, '.'));
}

// Seeds already handed out keep giving the same sectors: the stored index
// and map of two seeds are compared byte for byte. Only a change named in
// the README may alter them.
TEST_F(SectorCli, SeedsGiveTheStoredSectorInEveryVersion)
{
    const std::string golden = std::string(KELVANE_TEST_DATA) + "/golden/";
    ASSERT_EQ(Invoke("sector --seed 7 -o a").exit, 0);
    EXPECT_TRUE(Read("a/sector.json") == Read(golden + "sector-seed7.json"));
    EXPECT_TRUE(Read("a/sector.svg") == Read(golden + "sector-seed7.svg"));
    Ok("sector --seed 18446744073709551615 --width 5 --height 3 --density 0.8 --life-support 4 --biozone 3 "
       "-o b");
    EXPECT_TRUE(Read("b/sector.json") == Read(golden + "sector-seedmax-5x3-ls4-bz3.json"));
}

// A random seed is written down and makes the same sector again (the book
// is left out unless asked for, and alone); show prints a sector as a table.
TEST_F(SectorCli, ARandomSeedIsKeptAndShowPrintsTheSectorAsATable)
{
    ASSERT_EQ(Invoke("sector --width 3 --height 4 --density 1 --book on -o s").exit, 0);
    const Sector sector = Index("s");
    Ok("sector -o t --width 3 --height 4 --density 1 --seed " + std::to_string(sector.options.seed));
    EXPECT_EQ(Read("t/sector.json"), Read("s/sector.json"));
    EXPECT_EQ(Files("t").count("sector.pdf"), 0u);
    EXPECT_EQ(Files("t").size() + 1, Files("s").size());
    Ok("sector --width 3 --height 4 --density 1 -o u");
    EXPECT_NE(Index("u").options.seed, sector.options.seed);

    const Run run = Ok("show s/sector.json");
    EXPECT_TRUE(run.out.starts_with(SectorTitle(sector) +
                                    "\nLife Support Average, Bio Zone Normal, density 1\n\nHex   Name"))
        << run.out;
    // A row per system: hex, name, star type and class, best environment,
    // planets, belts, moons and code, in columns two spaces apart.
    for (const SectorSystem& system : sector.systems) {
        const SystemSummary& s = system.summary;
        const std::string best =
            s.bestEnvironment == TypeNothing ? "-" : std::string(EnvironmentName(s.bestEnvironment));
        const std::regex row("\n" + system.hex.Text() + "  " + system.name + " +" +
                             std::regex_replace(std::string(StarTypeName(s.starType, s.starClass)) + " +" +
                                                    std::string(StarClassName(s.starClass)),
                                                std::regex("[()]"), "\\$&") +
                             " +" + best + " +" + std::to_string(s.planets) + " +" + std::to_string(s.belts) +
                             " +" + std::to_string(s.moons) + "  " + system.code + "\n");
        EXPECT_TRUE(std::regex_search(run.out, row)) << system.hex.Text() << "\n" << run.out;
    }
    EXPECT_EQ(Invoke("show s/sector.json --format json").out, Read("s/sector.json"));
    const std::string csv = Invoke("show --format=csv s/sector.json").out;
    EXPECT_TRUE(csv.starts_with("hex,name,code,star_class,star_type,best_environment,planets,belts,moons\n" +
                                sector.systems[0].hex.Text() + "," + sector.systems[0].name + ","));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), static_cast<long>(sector.systems.size()) + 1);
    // Any name that starts like JSON is taken as a sector's index.
    fs::copy(dir / "s/sector.json", dir / "index.txt");
    EXPECT_EQ(Invoke("show index.txt").out, run.out);
    // A name with a quote is quoted, its quotes doubled.
    std::string index = Read("s/sector.json");
    const std::string name = R"("name": ")" + sector.systems[0].name + '"';
    index.replace(index.find(name), name.size(), R"("name": "Tau \"Ceti\"")");
    Write("s/sector.json", index);
    EXPECT_NE(Invoke("show --format csv s/sector.json")
                  .out.find("\n" + sector.systems[0].hex.Text() + ",\"Tau \"\"Ceti\"\"\","),
              std::string::npos);
}

// The notebook from a script: notes set from an argument and from standard
// input come back byte for byte, the name heads the table, and show lists
// the notes in each form. A wrong hex, a folder without a sector or notes
// that cannot be kept change nothing.
TEST_F(SectorCli, NotesAndANameGoIntoTheFolderAndComeBack)
{
    ASSERT_EQ(Invoke("sector --seed 5 --width 3 --height 3 --book on -o s").exit, 0);
    const Sector made = Index("s");
    ASSERT_FALSE(made.systems.empty());
    const std::string occupied = made.systems[0].hex.Text();
    const auto snapshot = [&] { return test::FilesIn(dir / "s"); };
    const std::string book = Read("s/sector.pdf");
    Ok("note s " + occupied + " 'Pirates want the \"relic\".'", true);
    const std::string hostile = "A nebula\r\n\twith a station \xed\xa0\x80\x1b[2J\n";
    Write("notes.txt", hostile);
    Ok("note s 0303 - < notes.txt");
    EXPECT_EQ(Ok("note s 0303 --get").out, hostile);
    Ok("rename s 'The Marches'");

    Sector expected = made;
    expected.name = "The Marches";
    expected.SetNotes(made.systems[0].hex, "Pirates want the \"relic\".");
    expected.SetNotes({3, 3}, hostile);
    // The book is made again with the notes (what else an update rewrites
    // and keeps is the core's to show).
    EXPECT_EQ(Index("s"), expected);
    EXPECT_NE(Read("s/sector.pdf"), book);

    Run run = Invoke("show s/sector.json");
    EXPECT_TRUE(run.out.starts_with("The Marches: 3 x 3 hexes")) << run.out;
    EXPECT_NE(run.out.find("\n      Pirates want the \"relic\".\n"), std::string::npos) << run.out;
    // Controls are shown as their bytes, a lone surrogate's last byte
    // included (a C1 control in a single-byte code page).
    const std::string shownHostile = "      A nebula\n      \twith a station \xed\xa0\\x80\\x1B[2J\n";
    const std::string row = made.At({3, 3}) == nullptr ? "0303  (no system)\n" : "";
    EXPECT_NE(run.out.find(row + shownHostile), std::string::npos) << run.out;
    run = Invoke("show s/sector.json --format md");
    EXPECT_TRUE(run.out.starts_with("# The Marches: 3 x 3 hexes")) << run.out;
    EXPECT_NE(
        run.out.find("\n**" + occupied + " " + made.systems[0].name + "**\n\nPirates want the \"relic\".\n"),
        std::string::npos)
        << run.out;
    EXPECT_EQ(Invoke("show s/sector.json --format json").out, Read("s/sector.json"));

    // An empty text takes the notes away.
    Ok("note s " + occupied + " ''");
    EXPECT_EQ(Invoke("note s " + occupied + " --get").out, "");
    EXPECT_EQ(Index("s").NotesOf(made.systems[0].hex), "");

    const auto after = snapshot();
    Write("long.txt", std::string(MaxHexNotesBytes + 1, 'x'));
    Write("latin1.txt", "caf\xe9");
    // A damaged index: the core's reason with its place, word for word.
    fs::create_directory(dir / "damaged");
    std::string index = Read("s/sector.json");
    index.replace(index.find("\"planets\": ") + 11, 1, "11");
    Write("damaged/sector.json", index);
    const std::pair<std::string, std::string> refused[] = {
        {"note damaged 0101 --get", "kelvane-cli: damaged: sector.json: system " + occupied +
                                        ": \"planets\" is not a whole number from 0 to 10\n"},
        {"note s 0404 x", "kelvane-cli: s: hex 0404 is not a hex of this 3 x 3 sector\n"},
        {"note s 0404 --get", "kelvane-cli: s: hex 0404 is not a hex of this 3 x 3 sector\n"},
        {"note s 0101 < long.txt", "kelvane-cli: s: the notes are longer than 65536 bytes\n"},
        {"note s 0101 - < latin1.txt", "kelvane-cli: s: the notes are not UTF-8 text\n"},
        {"rename s ''", "kelvane-cli: s: the name is empty or longer than 200 bytes\n"},
        {"note none 0101 x", "kelvane-cli: none: holds no sector: it has no sector.json\n"},
        {"rename none X", "kelvane-cli: none: holds no sector: it has no sector.json\n"},
    };
    for (const auto& [arguments, message] : refused) {
        run = Invoke(arguments);
        EXPECT_EQ(run.exit, 1) << arguments;
        EXPECT_EQ(run.err, message) << arguments;
        EXPECT_EQ(snapshot(), after) << arguments;
    }
    EXPECT_FALSE(fs::exists(dir / "none"));
}

// The vault holds the folder's sector as it is; a folder that is not a
// vault's is left alone (a second write over its own vault is the core's).
TEST_F(SectorCli, VaultWritesTheFoldersSectorAndOnlyIntoAFolderOfItsOwn)
{
    for (const char* step : {"sector --seed 5 --width 3 --height 3 --book off -o s",
                             "note s 0303 'A nebula.'", "rename s 'The Marches'"})
        ASSERT_EQ(Invoke(step).exit, 0) << step;
    Ok("vault s -o v", true);

    Sector sector;
    ASSERT_TRUE(ReadSectorFolder((dir / "s").string(), '.', sector).Ok());
    Names expected;
    for (const VaultFile& file : SectorVault(sector, Read("s/sector.svg"), '.')) {
        expected.insert(file.name);
        EXPECT_EQ(Read("v/" + file.name), file.bytes) << file.name;
    }
    EXPECT_EQ(Files("v"), expected);
    EXPECT_TRUE(expected.contains("The Marches.md"));
    EXPECT_TRUE(expected.contains("0303.md") || sector.At({3, 3}) != nullptr);

    Write("v/Session 1.md", "mine");
    const std::pair<std::string, std::string> refused[] = {
        {"vault s -o v",
         "kelvane-cli: v: holds Session 1.md, which is not a file of a notes vault; choose an "
         "empty folder or a vault's own\n"},
        {"vault s -o s", "kelvane-cli: s: holds 0"},
        {"vault s -o s/./notes",
         "kelvane-cli: s/./notes: is inside the sector's folder s; choose a folder outside it\n"},
        {"vault none -o w", "kelvane-cli: none: sector.json: No such file or directory\n"},
        {"vault s -o none/w", "kelvane-cli: none/w: "},
    };
    for (const auto& [arguments, message] : refused) {
        const Run run = Invoke(arguments);
        EXPECT_EQ(run.exit, 1) << arguments;
        EXPECT_TRUE(run.err.starts_with(message)) << run.err;
    }
    EXPECT_EQ(Read("v/Session 1.md"), "mine");
    EXPECT_EQ(Files("v").size(), expected.size() + 1);
    EXPECT_FALSE(fs::exists(dir / "w"));
    EXPECT_FALSE(fs::exists(dir / "s" / "notes"));
}

} // namespace
} // namespace kelvane
