#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "CliRunner.h"
#include "cli/SystemWriters.h"
#include "core/AppState.h"
#include "core/model/modGenerate.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

using test::CliRun;
using test::ReadAll;

class Cli : public test::CliRunner {};

TEST_F(Cli, SeededRunsPrintTheSameBytes)
{
    const CliRun first = Invoke("new --seed 7 --count 3 --format json");
    const CliRun second = Invoke("new --seed 7 --count 3 --format json");
    ASSERT_EQ(first.exit, 0) << first.err;
    EXPECT_EQ(first.out, second.out);
    EXPECT_EQ(first.out.substr(0, 4), "[\n  ");
    EXPECT_EQ(first.out.substr(first.out.size() - 4), "}\n]\n");
    EXPECT_NE(first.out, Invoke("new --seed 8 --count 3 --format json").out);
    // Without a seed the clock decides.
    EXPECT_NE(Invoke("new --count 3 --format csv").out, Invoke("new --count 3 --format csv").out);
}

TEST_F(Cli, OutputIsWhatRepeatedNewGives)
{
    // The same seed in-process, with the same options, through the same writer.
    AppState app;
    app.random = std::make_unique<RandomSource>(RandomSource::Deterministic(123));
    app.settings.LifeSupport = 4;
    app.settings.Biozone = 3;
    std::string expected;
    AppendCsvHeader(expected);
    for (int i = 1; i <= 5; ++i) {
        GenerateSystem(app);
        AppendCsvRows(expected, app.system, static_cast<std::uint64_t>(i));
    }
    const CliRun run = Invoke("new --seed 123 --count 5 --life-support 4 --biozone 3 --format csv");
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(run.out, expected);
    EXPECT_NE(run.out, Invoke("new --seed 123 --count 5 --format csv").out);
}

TEST_F(Cli, CsvHasTenRowsOfSeventeenFieldsPerSystem)
{
    const CliRun run = Invoke("new --seed 1 --count 4 --format csv");
    ASSERT_EQ(run.exit, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "system,name,star_class,star_type,biozone_min,biozone_max,inner_limit,orbit,type,radius,"
                    "moons,elements,au,pos_x,pos_y,pos_x_arc,pos_y_arc");
    int rows = 0;
    while (std::getline(lines, line)) {
        ++rows;
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 16) << line;
        EXPECT_EQ(line.substr(0, line.find(',')), std::to_string((rows - 1) / 10 + 1));
        // The elements keep all 26 characters, trailing spaces too.
        std::size_t field = 0;
        for (int k = 0; k < 11; ++k)
            field = line.find(',', field) + 1;
        EXPECT_EQ(line.find(',', field) - field, 26u) << line;
    }
    EXPECT_EQ(rows, 40);
}

TEST_F(Cli, FileOutputMatchesStandardOutput)
{
    const fs::path file = Dir() / "systems.json";
    const CliRun toFile = Invoke("new --seed 9 --count 2 --format json -o " + file.string());
    ASSERT_EQ(toFile.exit, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(ReadAll(file), Invoke("new --seed 9 --count 2 --format json").out);
    // The --name=value form is the same option.
    EXPECT_EQ(Invoke("new --seed=9 --count=2 --format=json").out, ReadAll(file));
    // Nothing else is left in the folder: no temporary file.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(Dir()))
        ++entries;
    EXPECT_EQ(entries, 1); // systems.json alone
}

TEST_F(Cli, BadUsageExitsTwoWithAReasonAndTheUsage)
{
    const char* cases[][2] = {
        {"", "no command given"},
        {"fly", "unknown command 'fly'"},
        {"new --colour red", "unknown option '--colour'"},
        {"new --count 0", "--count: 0 is not at least 1"},
        {"new --count -3", "--count: '-3' is not a whole number"},
        {"new --life-support 7", "--life-support: 7 is not between 1 and 4"},
        {"new --biozone 0", "--biozone: 0 is not between 1 and 3"},
        {"new --seed abc", "--seed: 'abc' is not a whole number"},
        {"new --seed 18446744073709551616", "--seed: 18446744073709551616 is too large"},
        {"new --format xml", "--format: unknown format 'xml'"},
        {"new --format", "--format needs a value"},
        {"new extra", "unexpected argument 'extra'"},
    };
    for (const auto& [arguments, reason] : cases) {
        const CliRun run = Invoke(arguments);
        EXPECT_EQ(run.exit, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "kelvane-cli: " + std::string(reason)) << arguments;
        EXPECT_NE(run.err.find("usage: kelvane-cli new"), std::string::npos) << arguments;
    }
    // The largest seed is fine.
    EXPECT_EQ(Invoke("new --seed 18446744073709551615").exit, 0);
}

TEST_F(Cli, UnwritableOutputExitsOneAndKeepsTheOldFile)
{
    const std::string missing = (Dir() / "no-such-folder" / "out.csv").string();
    CliRun run = Invoke("new --format csv -o " + missing);
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kelvane-cli: " + missing + ": No such file or directory\n");

    run = Invoke("new --count 100 --format csv -o /dev/full");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "kelvane-cli: /dev/full: No space left on device\n");

    // A folder in the way of the file: the rename fails, the folder stays.
    const fs::path folder = Dir() / "taken";
    fs::create_directories(folder / "inside");
    run = Invoke("new -o " + folder.string());
    EXPECT_EQ(run.exit, 1);
    EXPECT_TRUE(fs::exists(folder / "inside"));
}

} // namespace
} // namespace kelvane
