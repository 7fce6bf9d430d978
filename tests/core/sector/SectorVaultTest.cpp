#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "core/sector/SectorGeneration.h"
#include "core/sector/SectorVault.h"

namespace kelvane {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const VaultFile* FileNamed(const std::vector<VaultFile>& files, const std::string& name)
{
    const auto found = std::ranges::find(files, name, &VaultFile::name);
    return found == files.end() ? nullptr : &*found;
}

// The [[targets]] of a note's Markdown, in order; the front matter holds
// data, not links.
std::vector<std::string> Links(std::string text)
{
    if (text.starts_with("---\n"))
        text.erase(0, text.find("\n---\n", 3) + 5);
    std::vector<std::string> links;
    const std::regex link(R"(\[\[([^\]]*)\]\])");
    for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it)
        links.push_back((*it)[1]);
    return links;
}

TEST(SectorVault, FileStemsAreSafeOnEverySystem)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Heltathe", "Heltathe"},
        {"a/b\\c:d*e?f\"g<h>i|j#k^l[m]n", "a_b_c_d_e_f_g_h_i_j_k_l_m_n"},
        {"tab\there\x7f\xc2\x85", "tab_here__"},              // C0, DEL and a C1 control in UTF-8
        {"caf\xc3\xa9 \xff\xed\xa0\x80", "caf\xc3\xa9 ____"}, // not UTF-8, a lone surrogate
        {".hidden", "_hidden"},
        {"ends. .", "ends___"},
        {"CON", "_CON"},
        {"nul.txt", "_nul.txt"},
        {"Lpt9 .x", "_Lpt9 .x"},
        {"COM10", "COM10"},
        {"", "_"},
    };
    for (const auto& [text, stem] : cases)
        EXPECT_EQ(VaultFileStem(text), stem) << text;
    // Long names stop at 200 bytes, between two characters.
    std::string accents;
    for (int i = 0; i < 150; ++i)
        accents += "\xc3\xa9";
    EXPECT_EQ(VaultFileStem(accents), accents.substr(0, 200));
    EXPECT_EQ(VaultFileStem("x" + accents).size(), 199U);
}

// A sector whose names are as hostile as a hand-edited index can make them.
Sector HostileSector()
{
    Sector sector = GenerateSector({7, 4, 3, 0.5, LifeSupportLevel::Average, BiozoneWidth::Normal});
    EXPECT_GE(sector.systems.size(), 3U);
    sector.systems[0].name = "Nul";
    sector.systems[0].system.SystemName = "Nul";
    sector.systems[1].name = R"([[Trap]] | "quoted" \ back.)";
    sector.systems[2].edited = true;
    // An empty hex with notes, and a sector named as that hex's note.
    HexNumber empty{1, 1};
    while (sector.At(empty) != nullptr)
        ++empty.row;
    sector.SetNotes(empty, "A nebula.\r\nSecond line\twith a tab and \x1b[2J.\n");
    sector.SetNotes(sector.systems[1].hex, "# Who claims it\n\nThe *Guild*.");
    sector.name = empty.Text();
    return sector;
}

TEST(SectorVault, NamesAreSafeAndUniqueAndEveryLinkResolves)
{
    const Sector sector = HostileSector();
    const std::vector<VaultFile> files = SectorVault(sector, "<svg/>", '.');

    std::set<std::string> names, lowered, stems;
    for (const VaultFile& file : files) {
        names.insert(file.name);
        std::string lower = file.name;
        std::ranges::transform(lower, lower.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        lowered.insert(lower);
        EXPECT_EQ(file.name.find_first_of("/\\:*?\"<>|#^[]\r\n\t"), std::string::npos) << file.name;
        if (file.name.ends_with(".md"))
            stems.insert(file.name.substr(0, file.name.size() - 3));
    }
    EXPECT_EQ(lowered.size(), files.size());
    // The map, the index, a note per hex with a system or notes, the marker.
    EXPECT_EQ(files.size(), sector.systems.size() + 1 + 3);
    EXPECT_TRUE(names.contains("sector.svg"));
    EXPECT_EQ(files.back().name, VaultMarkerFileName);

    const std::string noteOfEmpty = sector.name + ".md";
    ASSERT_NE(FileNamed(files, noteOfEmpty), nullptr);
    ASSERT_NE(FileNamed(files, sector.name + " (sector).md"), nullptr) << "the index gives way";
    ASSERT_NE(FileNamed(files, sector.systems[0].hex.Text() + " Nul.md"), nullptr);
    for (const VaultFile& file : files)
        for (const std::string& link : Links(file.bytes))
            EXPECT_TRUE(stems.contains(link)) << file.name << " links " << link;

    const std::string& index = FileNamed(files, sector.name + " (sector).md")->bytes;
    EXPECT_NE(index.find("](sector.svg)"), std::string::npos);
    EXPECT_EQ(Links(index).size(), sector.systems.size() + 1) << "every hex with a system or notes";
}

TEST(SectorVault, NotesCarryFrontMatterTheSystemTheNotesAndTheNeighbours)
{
    const Sector sector = HostileSector();
    const std::vector<VaultFile> files = SectorVault(sector, "<svg/>", ',');
    const SectorSystem& quoted = sector.systems[1];
    const std::string stem = quoted.hex.Text() + " __Trap__ _ _quoted_ _ back_";
    const VaultFile* note = FileNamed(files, stem + ".md");
    ASSERT_NE(note, nullptr);
    const std::string& text = note->bytes;
    EXPECT_TRUE(text.starts_with("---\nhex: \"" + quoted.hex.Text() +
                                 "\"\nname: \"[[Trap]] | \\\"quoted\\\" \\\\ back.\"\ncode: \"" +
                                 quoted.code + "\"\nedited: false\nstar: \""))
        << text;
    EXPECT_NE(text.find("\ntags: [kelvane]\n---\n\n# "), std::string::npos);
    EXPECT_NE(text.find("| System Code | " + quoted.code + " |"), std::string::npos);
    EXPECT_NE(text.find("\n## Notes\n\n# Who claims it\n\nThe *Guild*.\n"), std::string::npos)
        << "as written";
    // Its neighbours with notes of their own, each once, in hex order.
    std::vector<std::string> expected;
    for (const HexNumber next : sector.Grid().Neighbours(quoted.hex))
        if (sector.At(next) != nullptr || !sector.NotesOf(next).empty())
            expected.push_back(sector.At(next) == nullptr
                                   ? next.Text()
                                   : VaultFileStem(next.Text() + " " + sector.At(next)->name));
    expected.push_back(sector.name + " (sector)");
    EXPECT_EQ(Links(text), expected);

    // An edited system keeps its code in the front matter but shows none.
    const std::string& edited =
        FileNamed(files, VaultFileStem(sector.systems[2].hex.Text() + " " + sector.systems[2].name) + ".md")
            ->bytes;
    EXPECT_NE(edited.find("\nedited: true\n"), std::string::npos);
    EXPECT_EQ(edited.find("| System Code |"), std::string::npos);

    const std::string& empty = FileNamed(files, sector.name + ".md")->bytes;
    EXPECT_TRUE(empty.starts_with("---\nhex: \"" + sector.name +
                                  "\"\nname: null\ncode: null\nstar: null\nclass: null\nbest: null\n"));
    EXPECT_NE(empty.find("A nebula.\nSecond line\twith a tab and \\x1B[2J.\n"), std::string::npos) << empty;
}

TEST(SectorVault, FolderTakesOnlyItsOwnFilesAndNeverAChangedOne)
{
    const TempFolder parent;
    const std::string out = parent / "vault";
    Sector sector = HostileSector();
    ASSERT_TRUE(WriteSectorVault(sector, out, '.').Ok());
    const std::string index = out + "/" + sector.name + " (sector).md";
    ASSERT_TRUE(std::filesystem::exists(index));

    // Written again without the nebula's notes: its note goes, and the index
    // takes the name it gave way from.
    sector.SetNotes(*ParseHexNumber(sector.name), "");
    ASSERT_TRUE(WriteSectorVault(sector, out, '.').Ok());
    EXPECT_FALSE(std::filesystem::exists(index));
    const std::vector<VaultFile> files = SectorVault(sector, ReadBytes(out + "/sector.svg"), '.');
    std::set<std::string> names;
    for (const VaultFile& file : files) {
        names.insert(file.name);
        EXPECT_EQ(ReadBytes(out + "/" + file.name), file.bytes) << file.name;
    }
    EXPECT_EQ(test::NamesIn(out), names);

    // A note the user changed, or a file of the user's, stops the next write.
    const std::string note = out + "/" + files[2].name;
    WriteBytes(note, files[2].bytes + "My own line.\n");
    const SectorFolderResult changed = WriteSectorVault(sector, out, '.');
    EXPECT_NE(changed.Text().find("changed since the vault was written"), std::string::npos)
        << changed.Text();
    EXPECT_EQ(ReadBytes(note), files[2].bytes + "My own line.\n");
    WriteBytes(note, files[2].bytes);
    WriteBytes(out + "/Session 1.md", "mine");
    EXPECT_NE(English(VaultFolderRefusal(out)).find("Session 1.md, which is not a file of a notes vault"),
              std::string::npos);
    EXPECT_FALSE(WriteSectorVault(sector, out, '.').Ok());
    EXPECT_EQ(ReadBytes(out + "/Session 1.md"), "mine");

    // A folder without a marker is a user's folder; an empty one is fine.
    const std::string other = parent / "notes";
    std::filesystem::create_directory(other);
    EXPECT_TRUE(VaultFolderRefusal(other).Empty());
    WriteBytes(other + "/sector.svg", "<svg/>");
    EXPECT_FALSE(VaultFolderRefusal(other).Empty());
}

} // namespace
} // namespace kelvane
