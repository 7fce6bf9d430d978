#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvane::test {

// What one run of kelvane-cli gave.
struct CliRun {
    int exit = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteAll(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Tests that run the built kelvane-cli, each in a fresh folder of its own.
class CliRunner : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("kelvane-cli-test-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    const std::filesystem::path& Dir() const { return m_dir; }

    // Runs kelvane-cli with arguments (shell words) in the C locale and
    // without a display, as on a server.
    CliRun Invoke(const std::string& arguments) const
    {
        const auto out = m_dir / ".stdout", err = m_dir / ".stderr";
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C " +
                                    std::string(KELVANE_CLI_PATH) + " " + arguments + " >" + out.string() +
                                    " 2>" + err.string();
        const int status = std::system(command.c_str());
        CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(out), ReadAll(err)};
        std::filesystem::remove(out);
        std::filesystem::remove(err);
        return run;
    }

private:
    std::filesystem::path m_dir;
};

} // namespace kelvane::test
