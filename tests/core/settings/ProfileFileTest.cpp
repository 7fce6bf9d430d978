#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <tuple>

#include "core/settings/ProfileFile.h"

namespace kelvane {
namespace {

std::string Set(std::string_view text, std::string_view section, std::string_view key, std::string_view value)
{
    const std::optional<std::string> result = SetProfileValue(text, section, key, value);
    EXPECT_TRUE(result.has_value()) << section << " " << key;
    return result.value_or(std::string(text));
}

TEST(ProfileRead, MatchesNamesInAnyCaseAndIgnoresWhatIsNotAKey)
{
    const std::string text = "Orphan=1\r\n"
                             "  [ oPTIONS ]  trailing\r\n"
                             "; Biozone=4\r\n"
                             "# Biozone=3\r\n"
                             "no equals sign\r\n"
                             "[Broken\r\n" // no ']': not a section, Options goes on
                             "\tlifesupport =  3 \t\r\n"
                             "LifeSupport=9\r\n"
                             "Empty=\r\n"
                             "Value=a=b\r\n"
                             "[Other]\r\n"
                             "Biozone=2\r\n"
                             "[options]\r\n"
                             "Biozone=1";
    EXPECT_EQ(FindProfileValue(text, "Options", "LifeSupport"), "3"); // the first one counts
    EXPECT_EQ(FindProfileValue(text, "options", "VALUE"), "a=b");
    EXPECT_EQ(FindProfileValue(text, "Options", "Empty"), "");
    EXPECT_EQ(FindProfileValue(text, "Options", "Biozone"), std::nullopt); // so does the first section
    EXPECT_EQ(FindProfileValue(text, "Options", "Orphan"), std::nullopt);
    EXPECT_EQ(FindProfileValue(text, "Broken", "LifeSupport"), std::nullopt);
    EXPECT_EQ(FindProfileValue(text, "Missing", "LifeSupport"), std::nullopt);
    EXPECT_EQ(FindProfileValue(text, "Other", "Biozone"), "2");
}

TEST(ProfileWrite, ReplacesAnExistingKeyInPlaceKeepingTheRest)
{
    EXPECT_EQ(Set("; my settings\r\n[Options]\r\n\r\n  lifesupport = 2 ; hand-edited\r\nBiozone=1\r\n"
                  "LifeSupport=9\r\n# end\r\n",
                  "options", "LifeSupport", "4"),
              "; my settings\r\n[Options]\r\n\r\nLifeSupport=4\r\nBiozone=1\r\nLifeSupport=9\r\n# end\r\n");
    // A last line without a line ending keeps having none.
    EXPECT_EQ(Set("[S]\nK=1", "S", "K", "22"), "[S]\nK=22");
}

TEST(ProfileWrite, AddsAKeyAfterTheLastKeyLineOfItsSection)
{
    EXPECT_EQ(
        Set("[Windows]\nMainState=0\njunk line\n\n; options follow\n[Options]\nLifeSupport=2\n", "WINDOWS",
            "InfoState", "-1"),
        "[Windows]\nMainState=0\nInfoState=-1\njunk line\n\n; options follow\n[Options]\nLifeSupport=2\n");
    // A section without keys takes the key right after its header.
    EXPECT_EQ(Set("[A]\r\n\r\n[B]\r\n", "A", "K", "1"), "[A]\r\nK=1\r\n\r\n[B]\r\n");
    EXPECT_EQ(Set("[A]", "A", "K", "1"), "[A]\r\nK=1\r\n");
    EXPECT_EQ(Set("[A]\nX=0", "A", "K", "1"), "[A]\nX=0\nK=1\n");
}

TEST(ProfileWrite, AddsANewSectionAtTheEndInTheTextsLineEnding)
{
    EXPECT_EQ(Set("", "Options", "LifeSupport", "2"), "[Options]\r\nLifeSupport=2\r\n");
    EXPECT_EQ(Set("[Windows]\nMainState=0\n", "Options", "Biozone", "1"),
              "[Windows]\nMainState=0\n\n[Options]\nBiozone=1\n");
    EXPECT_EQ(Set("[Windows]\r\nMainState=0", "Options", "Biozone", "1"),
              "[Windows]\r\nMainState=0\r\n\r\n[Options]\r\nBiozone=1\r\n");
    EXPECT_EQ(Set("; notes\n\n", "Options", "Biozone", "1"), "; notes\n\n[Options]\nBiozone=1\n");
    EXPECT_EQ(Set("[Options\n", "Options", "Biozone", "1"), "[Options\n\n[Options]\nBiozone=1\n");
}

TEST(ProfileWrite, RefusesLinesThatWouldNotReadBackAsWritten)
{
    for (const auto& [section, key, value] :
         std::initializer_list<std::tuple<const char*, const char*, const char*>>{
             {"  ", "K", "1"},
             {"A]B", "K", "1"},
             {"A\nB", "K", "1"},
             {"S", "", "1"},
             {"S", "K=L", "1"},
             {"S", "[K", "1"},
             {"S", ";K", "1"},
             {"S", "#K", "1"},
             {"S", "K\rL", "1"},
             {"S", "K", "1\n[S]\nK=2"},
         })
        EXPECT_EQ(SetProfileValue("[S]\nK=0\n", section, key, value), std::nullopt) << section << "|" << key;
}

// The common cases are read through modINI; these are the corners.
TEST(ProfileIntValue, ReadsOnlyALeadingDecimalThatFitsIn32Bits)
{
    EXPECT_EQ(ProfileIntValue("007", 99), 7);
    EXPECT_EQ(ProfileIntValue("0x10", 99), 0);
    EXPECT_EQ(ProfileIntValue("-", 99), 0);
    EXPECT_EQ(ProfileIntValue("+5", 99), 0);
    EXPECT_EQ(ProfileIntValue("- 5", 99), 0);
    EXPECT_EQ(ProfileIntValue(" \t", 99), 99);
    EXPECT_EQ(ProfileIntValue("00000000000000000002147483647x", 99), 2147483647);
    EXPECT_EQ(ProfileIntValue("-2147483649", 99), 99);
    EXPECT_EQ(ProfileIntValue("4294967297", 99), 99); // 2^32 + 1 must not wrap to 1
    EXPECT_EQ(ProfileIntValue(std::string(5000, '9'), 99), 99);
}

TEST(ProfileFile, LeavesWhatItCannotReadAlone)
{
    namespace fs = std::filesystem;
    std::string folder = (fs::temp_directory_path() / "kelvane-profile-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);

    // A folder where the file should be.
    const fs::path inner = fs::path(folder) / "inner.ini";
    fs::create_directory(inner);
    EXPECT_EQ(ReadProfileFile(inner.string()).status, ProfileFileText::Status::Unreadable);
    EXPECT_NE(WriteProfileValue(inner.string(), "S", "K", "1"), "");
    EXPECT_TRUE(fs::is_directory(inner));

    // A file too large to be a settings file is neither read nor replaced.
    const std::string large = (fs::path(folder) / "large.ini").string();
    const std::string bytes = "[S]\nK=1\n" + std::string(MaxProfileFileSize, ';');
    std::ofstream(large, std::ios::binary) << bytes;
    EXPECT_EQ(ReadProfileValue(large, "S", "K"), std::nullopt);
    EXPECT_NE(WriteProfileValue(large, "S", "K", "2"), "");
    EXPECT_EQ(fs::file_size(large), bytes.size());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    fs::remove_all(folder);
}

} // namespace
} // namespace kelvane
