#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>

#include "core/model/Codes.h"
#include "core/sector/SectorFile.h"
#include "core/sector/SectorGeneration.h"
#include "core/sector/SectorNames.h"

namespace kelvane {
namespace {

SectorOptions Options(std::uint64_t seed, int width, int height, double density, std::int16_t lifeSupport = 2,
                      std::int16_t biozone = 1)
{
    return {seed, width, height, density, LifeSupportLevel{lifeSupport}, BiozoneWidth{biozone}};
}

TEST(SectorGeneration, EveryHexIsTheFirstSystemOfItsOwnSeedAndItsCodeMakesItAgain)
{
    for (const SectorOptions& options :
         {Options(99, 8, 10, 0.5), Options(7, 5, 4, 1, 4, 3), Options(0, 3, 3, 1, 1, 2)}) {
        const Sector sector = GenerateSector(options);
        ASSERT_FALSE(sector.systems.empty());
        for (const SectorSystem& hex : sector.systems) {
            const auto code = DecodeSystemCode(hex.code);
            ASSERT_TRUE(code) << hex.code;
            EXPECT_EQ(*code, BatchSystemCode(HexSystemSeed(options.seed, hex.hex), 1, options.lifeSupport,
                                             options.biozone));
            EXPECT_LT(code->seed, std::uint64_t{1} << 42);
            EXPECT_LE(hex.code.size(), 19u) << hex.code; // four groups at most
            StarSystem again = RegenerateSystem(*code);
            EXPECT_EQ(again.SystemName, "Unnamed System");
            again.SystemName = hex.name;
            EXPECT_EQ(hex.system, again) << hex.hex.Text();
            EXPECT_EQ(hex.summary, SummarizeSystem(hex.system));
        }
    }
}

TEST(SectorGeneration, TheSeedAloneDecidesAndAHexKeepsItsSystemAtAnySizeAndDensity)
{
    const Sector sector = GenerateSector(Options(2024, 8, 10, 0.5));
    EXPECT_EQ(SectorFileText(GenerateSector(Options(2024, 8, 10, 0.5))), SectorFileText(sector));
    EXPECT_NE(SectorFileText(GenerateSector(Options(2025, 8, 10, 0.5))), SectorFileText(sector));

    // A larger or fuller sector of the same seed holds the same systems in
    // the same hexes, and more besides.
    const Sector larger = GenerateSector(Options(2024, 32, 40, 0.8));
    for (const SectorSystem& hex : sector.systems) {
        const SectorSystem* same = larger.At(hex.hex);
        ASSERT_NE(same, nullptr) << hex.hex.Text();
        EXPECT_EQ(same->code, hex.code);
        EXPECT_EQ(same->summary, hex.summary);
    }
    // Options other than the seed change the systems, not the hexes.
    const Sector poor = GenerateSector(Options(2024, 8, 10, 0.5, 1, 3));
    ASSERT_EQ(poor.systems.size(), sector.systems.size());
    for (std::size_t i = 0; i < poor.systems.size(); ++i) {
        EXPECT_EQ(poor.systems[i].hex, sector.systems[i].hex);
        EXPECT_NE(poor.systems[i].code, sector.systems[i].code);
    }

    EXPECT_TRUE(GenerateSector(Options(1, 64, 80, 0)).systems.empty());
    const Sector full = GenerateSector(Options(1, 7, 9, 1));
    ASSERT_EQ(full.systems.size(), 63u);
    EXPECT_EQ(full.systems.front().hex, (HexNumber{1, 1}));
    EXPECT_EQ(full.systems[9].hex, (HexNumber{2, 1})); // hex order: column by column
    const std::size_t half = GenerateSector(Options(3, 32, 40, 0.5)).systems.size();
    EXPECT_GT(half, 1280 * 0.45);
    EXPECT_LT(half, 1280 * 0.55);
}

TEST(SectorGeneration, NamesAreUniqueAndPronounceable)
{
    const Sector sector = GenerateSector(Options(5, 64, 80, 1));
    ASSERT_EQ(sector.systems.size(), 5120u);
    std::set<std::string> names;
    const std::regex shape("[A-Z][a-z]{2,9}");
    // Three vowels never meet, nor three consonant sounds ("th" and "sh"
    // are one), nor a letter three times.
    const std::regex hard("[aeiouy]{3}|[bcdfgjklmnpqrstvwxz]{3}|[b-df-hj-np-tv-xz]{4}|([a-z])\\1\\1");
    for (const SectorSystem& hex : sector.systems) {
        std::string lower = hex.name;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(names.insert(lower).second) << hex.name << " twice";
        EXPECT_TRUE(std::regex_match(hex.name, shape)) << hex.name;
        EXPECT_FALSE(std::regex_search(lower, hard)) << hex.name;
        EXPECT_EQ(hex.system.SystemName, hex.name);
    }
    // A hex's first choice, when free, is its name whatever the sector.
    const Sector small = GenerateSector(Options(5, 2, 2, 1));
    EXPECT_EQ(small.systems[0].name, SectorNames::Candidate(5, {1, 1}, 0));
    EXPECT_EQ(small.systems[0].name, sector.systems[0].name);
    // A taken name makes the hex try again, case aside.
    SectorNames handOut(5);
    const std::string first = handOut.NameFor({1, 1});
    EXPECT_EQ(first, sector.systems[0].name);
    EXPECT_NE(handOut.NameFor({1, 1}), first);
}

TEST(SectorGeneration, SummaryCountsPlanetsBeltsAndMoonsAndRanksEnvironments)
{
    StarSystem system{"", 0, ClassGiant, StarOrange, {}, {}, {}, {}};
    system.Orbit(1) = {TypeEnvExcellent, 6, 1, {}, {}, 0, 0, 0, 0};
    system.Orbit(2) = {TypeEnvGood, 7, 2, {}, {}, 0, 0, 0, 0};
    system.Orbit(3).Type = TypeAsteroids;
    system.Orbit(3).Moons = 5;                           // left from an earlier planet: a belt has none
    system.Orbit(4) = {12345, 5, 3, {}, {}, 0, 0, 0, 0}; // a planet of no environment
    system.Orbit(5) = {TypeEnvAverage, 5, -2, {}, {}, 0, 0, 0, 0};
    const SystemSummary summary = SummarizeSystem(system);
    EXPECT_EQ(summary, (SystemSummary{ClassGiant, StarOrange, TypeEnvExcellent, 4, 1, 6}));
    system.Orbit(1).Type = TypeEnvHostile;
    EXPECT_EQ(SummarizeSystem(system).bestEnvironment, TypeEnvGood);
    EXPECT_EQ(SummarizeSystem(StarSystem()).bestEnvironment, TypeNothing);
}

TEST(SectorGeneration, ANameIsOneLineOfOneTo200Bytes)
{
    for (const std::string& name : {std::string("New Kelvaris"), std::string("A"), std::string(200, 'x'),
                                    std::string("Caf\xc3\xa9 \xc2\xa0"), std::string(" ")})
        EXPECT_EQ(English(SectorNameFault(name)), "") << name;
    EXPECT_EQ(English(SectorNameFault("")), "is empty or longer than 200 bytes");
    EXPECT_EQ(English(SectorNameFault(std::string(201, 'x'))), "is empty or longer than 200 bytes");
    for (const char* name : {"Two\r\nLines", "Tab\tName", "\x1f", "Caf\xc3\xa9 \x7f", "CSI \xc2\x9b"})
        EXPECT_EQ(English(SectorNameFault(name)), "holds a line break or another control character") << name;
}

TEST(SectorGeneration, OptionsOutOfRangeAreNamed)
{
    EXPECT_EQ(CheckSectorOptions(SectorOptions()), "");
    EXPECT_EQ(CheckSectorOptions(Options(0, 64, 80, 1, 4, 3)), "");
    EXPECT_EQ(CheckSectorOptions(Options(0, 65, 10, 0.5)), "width 65 is not between 1 and 64");
    EXPECT_EQ(CheckSectorOptions(Options(0, 8, 0, 0.5)), "height 0 is not between 1 and 80");
    EXPECT_EQ(CheckSectorOptions(Options(0, 8, 10, NAN)), "density is not between 0 and 1");
    EXPECT_EQ(CheckSectorOptions(Options(0, 8, 10, 1.01)), "density is not between 0 and 1");
    EXPECT_EQ(CheckSectorOptions(Options(0, 8, 10, 0.5, 5)), "Life Support 5 is not between 1 and 4");
    EXPECT_EQ(CheckSectorOptions(Options(0, 8, 10, 0.5, 2, 0)), "Bio Zone 0 is not between 1 and 3");
}

} // namespace
} // namespace kelvane
