#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "Shell.h"
#include "TempFolder.h"

namespace kelvane::test {

struct CliRun {
    int exit = -1;
    std::string out, err;
};

// Runs of the built kelvane-cli as a script runs them, each test in a fresh
// working folder of its own.
class CliFixture : public ::testing::Test {
protected:
    using Names = std::set<std::string>;

    // A relative name is in the test's folder.
    std::string Read(const std::filesystem::path& name) const { return ReadBytes(dir / name); }
    void Write(const std::filesystem::path& name, const std::string& text) const
    {
        WriteBytes(dir / name, text);
    }
    Names Files(const std::string& folder = "") const { return NamesIn(dir / folder); }

    CliRun Invoke(const std::string& arguments) const { return Run(KELVANE_CLI_PATH, arguments); }
    // A run that must succeed; with quiet, one that says nothing either.
    CliRun Ok(const std::string& arguments, bool quiet = false) const
    {
        CliRun run = Invoke(arguments);
        EXPECT_EQ(run.exit, 0) << arguments << "\n" << run.err;
        EXPECT_TRUE(!quiet || (run.out + run.err).empty()) << arguments << " said\n" << run.out << run.err;
        return run;
    }

    // program may be a copy of kelvane-cli; environment holds NAME=value words.
    CliRun Run(const std::string& program, const std::string& arguments,
               const std::string& environment = "") const
    {
        // A command that hangs (writing into a pipe nobody reads) fails
        // after a minute instead of stalling the run.
        const Ran ran = Shell("cd " + dir.string() + " && { " + AsAScript + environment + " timeout 60 " +
                              program + " " + arguments + " 2>.err; }");
        CliRun run{ran.status, ran.output, Read(".err")};
        std::filesystem::remove(dir / ".err");
        return run;
    }

    const TempFolder tempFolder;
    const std::filesystem::path dir = tempFolder.Path();
};

} // namespace kelvane::test
