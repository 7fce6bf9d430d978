#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "CliRunner.h"

namespace kelvane {
namespace {

class FileCommands : public test::CliRunner {};
namespace fs = std::filesystem;

const std::string Example = std::string(KELVANE_TEST_DATA) + "/example.KVN";

// The CSV rows of one system without its number column.
std::string RowsWithoutNumbers(const std::string& csv, const std::string& number)
{
    std::istringstream lines(csv);
    std::string line, rows;
    std::getline(lines, line); // header
    while (std::getline(lines, line))
        if (line.compare(0, number.size() + 1, number + ",") == 0)
            rows += line.substr(number.size() + 1) + "\n";
    return rows;
}

TEST_F(FileCommands, ConvertWritesWhatSaveAsWrites)
{
    const fs::path out = Dir() / "copy.KVN";
    const auto run = Invoke("convert " + Example + " " + out.string());
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(test::ReadAll(out), test::ReadAll(Example));
    // show --format kvn prints the same bytes.
    EXPECT_EQ(Invoke("show " + Example + " --format kvn").out, test::ReadAll(Example));
}

TEST_F(FileCommands, NewWritesNumberedSystemFilesThatShowReadsBack)
{
    const fs::path folder = Dir() / "sector";
    const auto run = Invoke("new --seed 7 --count 3 --format kvn -o " + folder.string());
    ASSERT_EQ(run.exit, 0) << run.err;
    for (const char* name : {"system-0001.KVN", "system-0002.KVN", "system-0003.KVN"})
        EXPECT_TRUE(fs::is_regular_file(folder / name)) << name;
    EXPECT_FALSE(fs::exists(folder / "system-0004.KVN"));

    const std::string generated = Invoke("new --seed 7 --count 3 --format csv").out;
    const std::string shown = Invoke("show " + (folder / "system-0002.KVN").string() + " --format csv").out;
    EXPECT_EQ(RowsWithoutNumbers(shown, "1"), RowsWithoutNumbers(generated, "2"));
    EXPECT_EQ(RowsWithoutNumbers(shown, "1").size() > 0, true);

    // One system goes to standard output as the file's text.
    const std::string single = Invoke("new --seed 7 --format kvn").out;
    EXPECT_EQ(single, test::ReadAll(folder / "system-0001.KVN"));

    // Something in the way of the folder.
    const auto blocked = Invoke("new --count 2 --format kvn -o " + (folder / "system-0001.KVN").string());
    EXPECT_EQ(blocked.exit, 1);
    EXPECT_EQ(blocked.err, "kelvane-cli: " + (folder / "system-0001.KVN").string() + ": not a folder\n");
}

TEST_F(FileCommands, FilesThatFailToLoadExitOneWithTheReason)
{
    const fs::path other = Dir() / "other.KVN";
    test::WriteAll(other, "just some text\r\n");
    auto run = Invoke("show " + other.string());
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kelvane-cli: " + other.string() + ": This is not a Kelvane 2.0 file.\n");

    // A damaged value names its line.
    std::string text = test::ReadAll(Example);
    const std::size_t radius = text.find("<Radius>\r\n");
    const std::size_t value = text.find("\r\n", radius + 10);
    text.replace(radius + 10, value - radius - 10, "      abc");
    const fs::path damaged = Dir() / "damaged.KVN";
    test::WriteAll(damaged, text);
    run = Invoke("show " + damaged.string() + " --format json");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("kelvane-cli: " + damaged.string() + ": line "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("'abc' is not a number"), std::string::npos) << run.err;

    run = Invoke("convert " + (Dir() / "missing.KVN").string() + " " + (Dir() / "out.KVN").string());
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "kelvane-cli: " + (Dir() / "missing.KVN").string() + ": No such file or directory\n");
    EXPECT_FALSE(fs::exists(Dir() / "out.KVN"));

    run = Invoke("convert " + Example + " /dev/full");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "kelvane-cli: /dev/full: No space left on device\n");
}

TEST_F(FileCommands, FileCommandsCheckTheirArguments)
{
    const char* cases[][2] = {
        {"show", "show needs a FILE"},
        {"show a.KVN b.KVN", "unexpected argument 'b.KVN'"},
        {"show a.KVN --format xml", "--format: unknown format 'xml'"},
        {"convert a.KVN", "convert needs IN and OUT"},
        {"convert a b c", "convert needs IN and OUT"},
        {"convert a b --force yes", "unknown option '--force'"},
    };
    for (const auto& [arguments, reason] : cases) {
        const auto run = Invoke(arguments);
        EXPECT_EQ(run.exit, 2) << arguments;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "kelvane-cli: " + std::string(reason)) << arguments;
    }
}

} // namespace
} // namespace kelvane
