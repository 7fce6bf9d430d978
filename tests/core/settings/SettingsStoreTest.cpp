#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/settings/SettingsStore.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

// Settings unlike the defaults, and unlike each other, in every field, so
// that a field read from or written to the wrong key shows.
AppSettings Unusual()
{
    AppSettings s;
    s.LifeSupport = 4;
    s.Biozone = 3;
    s.OrbitDisplay = 2;
    s.VisibleOrbits = s.ColorText = s.SwapBW = 0;
    s.WhiteOrbits = -1;
    s.OrbitPenWidth = 2;
    std::int32_t corner = 100;
    std::int16_t state = 0;
    for (WindowPlacement* p : {&s.Main, &s.Info, &s.Elements, &s.Orbit, &s.Quick})
        *p = {state++, corner++, -(corner++), corner++, corner++ * 1000};
    return s;
}

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "kelvane-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        m_path = (m_folder / SettingsFileName).string();
        m_ini.SetLogicErrorHandler([] { ADD_FAILURE() << "logic error"; });
    }
    void TearDown() override
    {
        fs::permissions(m_folder, fs::perms::owner_all);
        fs::remove_all(m_folder);
    }

    void Store(const std::string& bytes) { std::ofstream(m_path, std::ios::binary) << bytes; }
    std::string Contents(const std::string& path) const
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    AppSettings Load(AppSettings start = {})
    {
        LoadSettings(start, m_ini, m_path);
        return start;
    }
    long FilesInFolder() const
    {
        return static_cast<long>(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()));
    }

    fs::path m_folder;
    std::string m_path;
    modINI m_ini;
};

TEST_F(SettingsStore, FirstStartKeepsTheDefaultsAndWritesEveryKeyInOrder)
{
    AppSettings settings = Unusual();
    SetDefaultSettings(settings);
    LoadSettings(settings, m_ini, m_path);
    EXPECT_EQ(settings, AppSettings{});

    SaveSettings(settings, m_ini, m_path);
    EXPECT_EQ(Contents(m_path),
              "[Windows]\r\n"
              "MainState=-1\r\nMainCorner1=0\r\nMainCorner2=0\r\nMainCorner3=0\r\nMainCorner4=0\r\n"
              "InfoState=-1\r\nInfoCorner1=0\r\nInfoCorner2=0\r\nInfoCorner3=0\r\nInfoCorner4=0\r\n"
              "ElementsState=-1\r\nElementsCorner1=0\r\nElementsCorner2=0\r\nElementsCorner3="
              "0\r\nElementsCorner4=0\r\n"
              "OrbitState=-1\r\nOrbitCorner1=0\r\nOrbitCorner2=0\r\nOrbitCorner3=0\r\nOrbitCorner4=0\r\n"
              "QuickState=-1\r\nQuickCorner1=0\r\nQuickCorner2=0\r\nQuickCorner3=0\r\nQuickCorner4=0\r\n"
              "\r\n"
              "[Options]\r\n"
              "LifeSupport=2\r\n"
              "Biozone=1\r\n"
              "OrbitDisplay=1\r\n"
              "VisibleOrbits=-1\r\n"
              "ColorText=-1\r\n"
              "SwapBW=-1\r\n"
              "WhiteOrbits=0\r\n"
              "OrbitPenWidth=1\r\n");
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(SettingsStore, RoundTripsEveryFieldAndRewritesInPlace)
{
    const AppSettings unusual = Unusual();
    SaveSettings(unusual, m_ini, m_path);
    EXPECT_EQ(Load(), unusual);

    const std::string defaultsPath = (m_folder / "defaults.ini").string();
    SaveSettings(AppSettings{}, m_ini, defaultsPath);
    Store("; kept\r\n" + Contents(m_path) + "Extra=1\r\n");
    SaveSettings(AppSettings{}, m_ini, m_path);
    EXPECT_EQ(Load(unusual), AppSettings{});
    EXPECT_EQ(Contents(m_path), "; kept\r\n" + Contents(defaultsPath) + "Extra=1\r\n");
}

TEST_F(SettingsStore, MissingKeysKeepTheFieldsCurrentValues)
{
    const AppSettings unusual = Unusual();
    EXPECT_EQ(Load(unusual), unusual); // no file at all

    Store("[Options]\nLifeSupport=1\n");
    AppSettings expected = unusual;
    expected.LifeSupport = 1;
    EXPECT_EQ(Load(unusual), expected);
    const AppSettings s = Load();
    for (const WindowPlacement* p : {&s.Main, &s.Info, &s.Elements, &s.Orbit, &s.Quick})
        EXPECT_EQ(p->State, -1);
}

TEST_F(SettingsStore, ReadsHandEditedFiles)
{
    Store("[options]\nlifesupport=3\nVISIBLEORBITS=1\ncolortext = 0\nOrbitDisplay=7 ; taken as it is\n"
          "Biozone=\nSwapBW=yes\n[WINDOWS]\nmainstate=2\nmaincorner3=4500\n");
    const AppSettings s = Load();
    EXPECT_EQ(s.LifeSupport, 3);
    EXPECT_EQ(s.VisibleOrbits, 1);
    EXPECT_EQ(s.ColorText, 0);
    EXPECT_EQ(s.OrbitDisplay, 7);
    EXPECT_EQ(s.Biozone, 1); // empty: the default
    EXPECT_EQ(s.SwapBW, 0);  // not a number
    EXPECT_EQ(s.Main.State, 2);
    EXPECT_EQ(s.Main.Corner3, 4500);
    EXPECT_EQ(s.Info.State, -1);
}

TEST_F(SettingsStore, ValuesA16BitFieldCannotHoldAreDropped)
{
    Store("[Windows]\nMainState=32767\nInfoState=-32768\nElementsState=32768\nOrbitState=-32769\n"
          "QuickState=65537\nMainCorner1=-2147483648\nMainCorner2=2147483648\n"
          "[Options]\nLifeSupport=40000\nBiozone=-40000\nOrbitPenWidth=99999999999\n");
    const AppSettings unusual = Unusual();
    AppSettings expected = unusual;
    expected.Main.State = 32767;
    expected.Info.State = -32768;
    expected.Main.Corner1 = INT32_MIN;
    EXPECT_EQ(Load(unusual), expected);
}

TEST_F(SettingsStore, AFileThatCannotBeWrittenStaysAsItWas)
{
    const fs::path plain = m_folder / "plain"; // a path below a regular file stops even root
    std::ofstream(plain) << "x";
    SaveSettings(Unusual(), m_ini, (plain / SettingsFileName).string());
    EXPECT_EQ(FilesInFolder(), 1);

    const std::string old = "[Options]\r\nLifeSupport=1\r\n";
    Store(old);
    fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(m_folder / "probe"))
        GTEST_SKIP() << "folder permissions do not stop this user from writing";
    SaveSettings(Unusual(), m_ini, m_path);
    EXPECT_EQ(Contents(m_path), old);
    EXPECT_EQ(FilesInFolder(), 2);
}

} // namespace
} // namespace kelvane
