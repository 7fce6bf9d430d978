#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "TempFolder.h"
#include "core/settings/SettingsStore.h"

namespace kelvane {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// Unlike the defaults and unlike each other in every field, so that a field
// read from or written to the wrong key shows.
AppSettings Unusual()
{
    AppSettings s;
    s.LifeSupport = LifeSupportLevel::Excellent, s.Biozone = BiozoneWidth::Triple;
    s.OrbitDisplay = OrbitDisplayStyle::Flat;
    s.VisibleOrbits = 0, s.ColorText = 5, s.SwapBW = 6, s.WhiteOrbits = -1, s.OrbitPenWidth = 7;
    std::int32_t corner = 100;
    std::int16_t state = 0;
    for (WindowPlacement* p : {&s.Main, &s.Info, &s.Elements, &s.Orbit, &s.Quick, &s.Sector})
        *p = {state++, corner++, -(corner++), corner++, corner++ * 1000};
    return s;
}

class SettingsStore : public ::testing::Test {
protected:
    SettingsStore()
    {
        ini.SetLogicErrorHandler([] { ADD_FAILURE() << "logic error"; });
    }
    AppSettings Load(AppSettings settings = {})
    {
        LoadSettings(settings, ini, path);
        return settings;
    }

    test::TempFolder folder;
    std::string path = folder / std::string(SettingsFileName);
    modINI ini;
};

// How many files were moved into folder while body ran. Creations are
// watched too, only so that the moves, alike but for their cookies, are not
// merged into one event.
template <class Body> int FilesPutInPlace(const std::string& folder, Body body)
{
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    EXPECT_GE(::inotify_add_watch(watch, folder.c_str(), IN_MOVED_TO | IN_CREATE), 0);
    body();
    int moves = 0;
    alignas(inotify_event) char events[4096];
    for (ssize_t n; (n = ::read(watch, events, sizeof events)) > 0;) {
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            moves += (event->mask & IN_MOVED_TO) != 0 ? 1 : 0;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    ::close(watch);
    return moves;
}

TEST_F(SettingsStore, FirstStartKeepsTheDefaultsAndWritesEveryKeyInOrderInOneReplacement)
{
    AppSettings settings = Unusual();
    SetDefaultSettings(settings);
    // No file yet: the defaults, all in one replacement of the file.
    EXPECT_EQ(FilesPutInPlace(folder.Path(), [&] { SaveSettings(Load(settings), ini, path); }), 1);
    EXPECT_EQ(ReadBytes(path),
              "[Windows]\r\n"
              "MainState=-1\r\nMainCorner1=0\r\nMainCorner2=0\r\nMainCorner3=0\r\nMainCorner4=0\r\n"
              "InfoState=-1\r\nInfoCorner1=0\r\nInfoCorner2=0\r\nInfoCorner3=0\r\nInfoCorner4=0\r\n"
              "ElementsState=-1\r\nElementsCorner1=0\r\nElementsCorner2=0\r\nElementsCorner3=0\r\n"
              "ElementsCorner4=0\r\n"
              "OrbitState=-1\r\nOrbitCorner1=0\r\nOrbitCorner2=0\r\nOrbitCorner3=0\r\nOrbitCorner4=0\r\n"
              "QuickState=-1\r\nQuickCorner1=0\r\nQuickCorner2=0\r\nQuickCorner3=0\r\nQuickCorner4=0\r\n"
              "SectorState=-1\r\nSectorCorner1=0\r\nSectorCorner2=0\r\nSectorCorner3=0\r\nSectorCorner4=0\r\n"
              "\r\n[Options]\r\nLifeSupport=2\r\nBiozone=1\r\nOrbitDisplay=1\r\nVisibleOrbits=-1\r\n"
              "ColorText=-1\r\nSwapBW=-1\r\nWhiteOrbits=0\r\nOrbitPenWidth=1\r\n");
}

TEST_F(SettingsStore, RoundTripsEveryFieldAndRewritesKeysInPlace)
{
    SaveSettings(Unusual(), ini, path);
    EXPECT_EQ(Load(), Unusual());

    const std::string defaults = folder / "defaults.ini";
    SaveSettings(AppSettings{}, ini, defaults);
    WriteBytes(path, "; kept\r\n" + ReadBytes(path) + "Extra=1\r\n");
    SaveSettings(AppSettings{}, ini, path);
    EXPECT_EQ(ReadBytes(path), "; kept\r\n" + ReadBytes(defaults) + "Extra=1\r\n");
    EXPECT_EQ(folder.Count(), 2);
}

// A file written before the Sector window existed keeps every line where it
// was; the Sector keys join the end of its Windows section.
TEST_F(SettingsStore, TheSectorKeysFollowTheKeysOfAnOlderFile)
{
    AppSettings older = Unusual();
    older.Sector = {};
    SaveSettings(older, ini, path);
    std::string text = ReadBytes(path);
    const std::size_t sector = text.find("SectorState=");
    const std::size_t options = text.find("\r\n[Options]");
    ASSERT_TRUE(sector != std::string::npos && options != std::string::npos);
    text.erase(sector, options - sector);
    WriteBytes(path, text);
    EXPECT_EQ(Load(Unusual()).Sector, Unusual().Sector);

    SaveSettings(Unusual(), ini, path);
    const std::string again = ReadBytes(path);
    const WindowPlacement& p = Unusual().Sector;
    const std::string keys =
        "SectorState=" + std::to_string(p.State) + "\r\nSectorCorner1=" + std::to_string(p.Corner1) +
        "\r\nSectorCorner2=" + std::to_string(p.Corner2) + "\r\nSectorCorner3=" + std::to_string(p.Corner3) +
        "\r\nSectorCorner4=" + std::to_string(p.Corner4) + "\r\n";
    EXPECT_EQ(again.substr(0, again.find("QuickCorner4=")), text.substr(0, text.find("QuickCorner4=")));
    EXPECT_NE(again.find("QuickCorner4=" + std::to_string(Unusual().Quick.Corner4) + "\r\n" + keys +
                         "\r\n[Options]"),
              std::string::npos)
        << again;
    EXPECT_EQ(Load(), Unusual());
}

TEST_F(SettingsStore, ReadsHandEditedFilesAndKeepsWhatTheyLackOrCannotHold)
{
    EXPECT_EQ(Load(Unusual()), Unusual()); // no file at all
    WriteBytes(path, "[Options]\n");
    for (const WindowPlacement& p : {Load().Main, Load().Info, Load().Elements, Load().Orbit, Load().Quick})
        EXPECT_EQ(p.State, -1);

    WriteBytes(path,
               "[options]\nlifesupport=3\nVISIBLEORBITS=1\ncolortext = -1\nOrbitDisplay=7 ; as it is\n"
               "Biozone=\nSwapBW=yes\nWhiteOrbits=32767\nOrbitPenWidth=32768\n[WINDOWS]\nmainstate=-32768\n"
               "maincorner3=-2147483648\nInfoState=-32769\nInfoCorner1=2147483648\n");
    AppSettings expected = Unusual();
    expected.LifeSupport = LifeSupportLevel::Good, expected.OrbitDisplay = OrbitDisplayStyle{7};
    expected.VisibleOrbits = 1, expected.ColorText = -1, expected.WhiteOrbits = 32767;
    expected.SwapBW = 0; // not a number; an empty Biozone and numbers out of range are dropped
    expected.Main.State = -32768, expected.Main.Corner3 = INT32_MIN;
    EXPECT_EQ(Load(Unusual()), expected);
}

TEST_F(SettingsStore, ModIniWithoutATargetReportsTheLogicErrorAndTouchesNothing)
{
    modINI bare;
    int errors = 0;
    bare.SetLogicErrorHandler([&errors] { ++errors; });
    EXPECT_EQ(bare.IniReadInt("Key", 42), 0);
    EXPECT_FALSE(bare.IniWriteInt("Key", 5));
    EXPECT_EQ(errors, 2);
    EXPECT_EQ(folder.Count(), 0);

    bare.IniSetTarget("  Options ", "  " + path + "   ");
    EXPECT_TRUE(bare.IniWriteInt("Key", INT32_MIN));
    EXPECT_EQ(ReadBytes(path), "[Options]\r\nKey=-2147483648\r\n");
    EXPECT_EQ(errors, 2);
}

} // namespace
} // namespace kelvane
