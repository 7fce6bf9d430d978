#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvane::test {

struct CliRun {
    int exit = -1;
    std::string out, err;
};

// Runs of the built kelvane-cli as a script runs them: in the C locale and
// without a display, as on a server, each test in a fresh working folder of
// its own.
class CliFixture : public ::testing::Test {
protected:
    using Names = std::set<std::string>;

    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("kelvane-cli-test-" + std::to_string(::getpid()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());

    void SetUp() override
    {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // A relative name is in the test's folder.
    std::string Read(const std::filesystem::path& name) const
    {
        return {std::istreambuf_iterator<char>(std::ifstream(dir / name, std::ios::binary).rdbuf()), {}};
    }
    void Write(const std::filesystem::path& name, const std::string& text) const
    {
        std::ofstream(dir / name, std::ios::binary) << text;
    }

    Names Files(const std::string& folder = "") const
    {
        Names names;
        for (const auto& entry : std::filesystem::directory_iterator(dir / folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    CliRun Invoke(const std::string& arguments) const { return Run(KELVANE_CLI_PATH, arguments); }

    // program may be a copy of kelvane-cli; environment holds NAME=value words.
    CliRun Run(const std::string& program, const std::string& arguments,
               const std::string& environment = "") const
    {
        // A command that hangs (writing into a pipe nobody reads) fails
        // after a minute instead of stalling the run.
        const std::string command =
            "cd " + dir.string() + " && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C " +
            environment + " timeout 60 " + program + " " + arguments + " >.out 2>.err";
        const int status = std::system(command.c_str());
        CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read(".out"), Read(".err")};
        std::filesystem::remove(dir / ".out");
        std::filesystem::remove(dir / ".err");
        return run;
    }
};

} // namespace kelvane::test
