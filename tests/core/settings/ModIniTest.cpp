#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/settings/modINI.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

class ModIni : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "kelvane-modini-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        m_path = (m_folder / "test.ini").string();
    }
    void TearDown() override { fs::remove_all(m_folder); }

    void Store(const std::string& bytes) { std::ofstream(m_path, std::ios::binary) << bytes; }
    std::string Contents() const
    {
        std::ifstream in(m_path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path m_folder;
    std::string m_path;
};

TEST_F(ModIni, WithoutATargetReportsTheLogicErrorAndTouchesNothing)
{
    modINI ini;
    int errors = 0;
    ini.SetLogicErrorHandler([&errors] { ++errors; });
    EXPECT_EQ(ini.IniReadInt("Key", 42), 0);
    EXPECT_FALSE(ini.IniWriteInt("Key", 5));
    EXPECT_EQ(errors, 2);
    EXPECT_TRUE(fs::is_empty(m_folder));

    modINI silent; // without a handler nothing is shown, and still nothing is done
    EXPECT_EQ(silent.IniReadInt("Key", 42), 0);
    EXPECT_FALSE(silent.IniWriteInt("Key", 5));
    EXPECT_TRUE(fs::is_empty(m_folder));

    ini.IniSetTarget("Options", m_path);
    EXPECT_TRUE(ini.IniWriteInt("Key", 5));
    EXPECT_EQ(ini.IniReadInt("Key", 42), 5);
    EXPECT_EQ(errors, 2);
}

TEST_F(ModIni, ReadsTheLeadingIntegerOrTheDefault)
{
    Store("[Options]\nLetters=12abc\nNegative=-7\nWord=abc\nEmpty=\nSpaced=  5  \nLargest=2147483647\n"
          "Smallest=-2147483648\nTooLarge=2147483648\nHuge=99999999999999999999\n");
    modINI ini;
    ini.IniSetTarget("  Options ", "  " + m_path + "   ");
    for (const auto& [key, expected] : std::initializer_list<std::pair<const char*, std::int32_t>>{
             {"Letters", 12},
             {"NEGATIVE", -7},
             {"Word", 0},
             {"Empty", 1},
             {"Spaced", 5},
             {"Largest", INT32_MAX},
             {"Smallest", INT32_MIN},
             {"TooLarge", 1},
             {"Huge", 1},
             {"Missing", 1},
         })
        EXPECT_EQ(ini.IniReadInt(key, 1), expected) << key;

    ini.IniSetTarget("Windows", m_path);
    EXPECT_EQ(ini.IniReadInt("Letters", 8), 8);
    ini.IniSetTarget("Options", (m_folder / "none.ini").string());
    EXPECT_EQ(ini.IniReadInt("Letters", 9), 9);
}

TEST_F(ModIni, WritesDecimalValuesIntoTheTargetSection)
{
    Store("[Windows]\r\nMainState=2\r\n");
    modINI ini;
    ini.IniSetTarget("Options", m_path);
    EXPECT_TRUE(ini.IniWriteInt("WhiteOrbits", -1));
    EXPECT_TRUE(ini.IniWriteInt("OrbitPenWidth", INT32_MIN));
    ini.IniSetTarget("windows", m_path);
    EXPECT_TRUE(ini.IniWriteInt("MAINSTATE", 0));
    EXPECT_EQ(Contents(),
              "[Windows]\r\nMAINSTATE=0\r\n\r\n[Options]\r\nWhiteOrbits=-1\r\nOrbitPenWidth=-2147483648\r\n");

    ini.IniSetTarget("Options", m_path + "/inside.ini"); // below a regular file: cannot be made
    EXPECT_FALSE(ini.IniWriteInt("LifeSupport", 2));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}

} // namespace
} // namespace kelvane
