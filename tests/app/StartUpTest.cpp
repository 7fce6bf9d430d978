// The desktop program as it really starts: the executable, copied to folders
// of its own, run on the offscreen platform and ended as the system ends it
// at logout (SIGTERM), which closes its windows and writes its settings.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <regex>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "TempFolder.h"
#include "gui/shell/ProgramArguments.h"
#include "gui/shell/SettingsFolder.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

// Root may write every folder, so as root the program runs as the user
// "nobody", for whom a folder of root's with mode 0555 is read-only.
constexpr uid_t Nobody = 65534;
bool AsRoot()
{
    return ::geteuid() == 0;
}

// A folder the program's user owns.
void GiveToUser(const std::string& path, mode_t mode = 0755)
{
    ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
    if (AsRoot()) {
        ASSERT_EQ(::chown(path.c_str(), Nobody, Nobody), 0) << path;
    }
}

// True once the process catches SIGTERM, that is, once the program has set
// its handler; before that the signal would kill it without a word.
bool CatchesTerm(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1) & 1) != 0;
    return false;
}

struct Ended {
    int status = -1; // the exit status; -1 when it did not end normally
    std::string errors;
};

// A user's world: a home, a runtime folder, and a copy of the program in a
// folder of its own, writable by the user or not.
class Desktop {
public:
    explicit Desktop(bool writableProgramFolder)
    {
        GiveToUser(m_base / "", 0755);
        for (const char* name : {"home", "program", "runtime"})
            fs::create_directory(m_base / name);
        GiveToUser(Home());
        GiveToUser(m_base / "runtime", 0700);
        fs::copy_file(KELVANE_PROGRAM_PATH, Program());
        if (writableProgramFolder)
            GiveToUser(ProgramFolder());
        else
            ::chmod(ProgramFolder().c_str(), 0555);
    }

    // A read-only folder would keep its files from being removed.
    ~Desktop() { ::chmod(ProgramFolder().c_str(), 0755); }

    std::string Home() const { return m_base / "home"; }
    std::string ProgramFolder() const { return m_base / "program"; }
    std::string Program() const { return m_base / "program/kelvane"; }
    std::string Errors() const { return m_base / "errors"; }

    // Starts the program with arguments and, with endIt, ends it by SIGTERM
    // a moment after it listens for it (its windows are up by then); else
    // waits for it to end by itself.
    Ended Run(const std::vector<std::string>& arguments, const std::string& configHome = "<unset>",
              bool endIt = true)
    {
        std::vector<std::string> environment = {"HOME=" + Home(), "XDG_RUNTIME_DIR=" + (m_base / "runtime"),
                                                "PATH=/usr/bin:/bin"};
        if (m_display)
            environment.emplace_back("QT_QPA_PLATFORM=offscreen");
        if (configHome != "<unset>")
            environment.push_back("XDG_CONFIG_HOME=" + configHome);
        std::vector<std::string> argv = {Program()};
        argv.insert(argv.end(), arguments.begin(), arguments.end());

        const pid_t pid = ::fork();
        if (pid == 0) {
            const int errors = ::open(Errors().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
            ::dup2(errors, 2);
            if (::chdir(Home().c_str()) != 0)
                ::_exit(119);
            if (AsRoot() && (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
                ::_exit(120);
            std::vector<char*> args, env;
            for (std::string& a : argv)
                args.push_back(a.data());
            for (std::string& e : environment)
                env.push_back(e.data());
            args.push_back(nullptr);
            env.push_back(nullptr);
            ::execve(args[0], args.data(), env.data());
            ::_exit(121);
        }
        Ended ended;
        if (pid < 0)
            return ended;
        int status = 0;
        for (int waited = 0; ::waitpid(pid, &status, WNOHANG) == 0; ++waited) {
            if (waited == 2000) { // twenty seconds: something hangs
                ::kill(pid, SIGKILL);
                ::waitpid(pid, &status, 0);
                ADD_FAILURE() << "the program did not end";
                break;
            }
            if (endIt && CatchesTerm(pid)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                ::kill(pid, SIGTERM);
                endIt = false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ended.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        ended.errors = ReadBytes(Errors());
        return ended;
    }

    // From now on the program runs with no display at all: no platform
    // named, no DISPLAY, no WAYLAND_DISPLAY.
    void WithoutDisplay() { m_display = false; }

private:
    test::TempFolder m_base;
    bool m_display = true;
};

// The settings file as a fresh start writes it, options at their defaults.
constexpr const char* DefaultOptions = "[Options]\r\nLifeSupport=2\r\nBiozone=1\r\nOrbitDisplay=1\r\n"
                                       "VisibleOrbits=-1\r\nColorText=-1\r\nSwapBW=-1\r\nWhiteOrbits=0\r\n"
                                       "OrbitPenWidth=1\r\n";

TEST(StartUp, SettingsBesideAWritableProgramElseInTheUsersConfigurationFolder)
{
    Desktop portable(true);
    Desktop installed(false);
    const std::string config = installed.Home() + "/config";

    // A fresh start writes every key at its default, beside a program whose
    // folder can be written and in the configuration folder otherwise.
    EXPECT_EQ(portable.Run({}, config).status, 0);
    const std::string beside = ReadBytes(portable.ProgramFolder() + "/kelvane.ini");
    EXPECT_NE(beside.find(DefaultOptions), std::string::npos) << beside;
    EXPECT_FALSE(fs::exists(config));
    EXPECT_EQ(installed.Run({}, config).status, 0);
    EXPECT_FALSE(fs::exists(installed.ProgramFolder() + "/kelvane.ini"));
    EXPECT_EQ(ReadBytes(config + "/kelvane/kelvane.ini"), beside);

    // The same hand-edited, damaged file gives the same result in both places.
    const std::string edited = "[options]\nlifesupport=3\nBiozone=abc\n";
    WriteBytes(portable.ProgramFolder() + "/kelvane.ini", edited);
    WriteBytes(config + "/kelvane/kelvane.ini", edited);
    EXPECT_EQ(portable.Run({}, config).status, 0);
    EXPECT_EQ(installed.Run({}, config).status, 0);
    const std::string rewritten = ReadBytes(config + "/kelvane/kelvane.ini");
    EXPECT_NE(rewritten.find("LifeSupport=3"), std::string::npos) << rewritten;
    EXPECT_NE(rewritten.find("Biozone=0"), std::string::npos) << rewritten;
    EXPECT_EQ(ReadBytes(portable.ProgramFolder() + "/kelvane.ini"), rewritten);

    // Without XDG_CONFIG_HOME the configuration folder is ~/.config.
    EXPECT_EQ(installed.Run({}).status, 0);
    EXPECT_EQ(ReadBytes(installed.Home() + "/.config/kelvane/kelvane.ini"), beside);
}

TEST(StartUp, FileOnTheCommandLine)
{
    Desktop desktop(true);
    const std::string ini = desktop.ProgramFolder() + "/kelvane.ini";

    // A system file, named from the folder the program starts in, loads
    // without a word; a missing one says why on standard error.
    WriteBytes(desktop.Home() + "/vega.KVN", ReadBytes(KELVANE_TEST_DATA "/example.KVN"));
    Ended ended = desktop.Run({"vega.KVN"});
    EXPECT_EQ(ended.status, 0);
    EXPECT_EQ(ended.errors.find("kelvane:"), std::string::npos) << ended.errors;
    ended = desktop.Run({"missing.KVN"});
    EXPECT_EQ(ended.status, 0);
    EXPECT_NE(ended.errors.find("kelvane: " + desktop.Home() + "/missing.KVN: No such file or directory"),
              std::string::npos)
        << ended.errors;

    // A file of neither kind opens the Load Error box; ending the program
    // then still closes it and writes the settings.
    fs::remove(ini);
    WriteBytes(desktop.Home() + "/notes.KVN", "not a system\n");
    EXPECT_EQ(desktop.Run({"notes.KVN"}).status, 0);
    EXPECT_TRUE(fs::exists(ini));

    // Wrong command lines stop before any window, and write nothing.
    fs::remove(ini);
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"a.KVN", "b.KVN"}, {"--bogus"}}) {
        ended = desktop.Run(wrong, "<unset>", false);
        EXPECT_EQ(ended.status, 2);
        EXPECT_NE(ended.errors.find("usage: kelvane [FILE]"), std::string::npos) << ended.errors;
    }
    EXPECT_FALSE(fs::exists(ini));

    // Without any display, help, the version and a wrong command line are
    // still answered, Qt's own options passed over; starting for real is not.
    desktop.WithoutDisplay();
    EXPECT_EQ(desktop.Run({"--help"}, "<unset>", false).status, 0);
    EXPECT_EQ(desktop.Run({"-style", "fusion", "--version"}, "<unset>", false).status, 0);
    ended = desktop.Run({"-platform", "xcb", "--bogus"}, "<unset>", false);
    EXPECT_EQ(ended.status, 2);
    EXPECT_NE(ended.errors.find("kelvane: unknown option '--bogus'\nusage: kelvane [FILE]"),
              std::string::npos)
        << ended.errors;
    EXPECT_FALSE(fs::exists(ini));
}

TEST(StartUp, ArgumentsNameOneFileFromTheStartingFolder)
{
    using Action = ProgramArguments::Action;
    const auto parse = [](const std::vector<std::string>& arguments) {
        return ProgramArguments::Parse(arguments, "/home/me");
    };
    EXPECT_EQ(parse({}).action, Action::Run);
    EXPECT_EQ(parse({}).file, "");
    EXPECT_EQ(parse({"./maps/../a.KVN"}).file, "/home/me/maps/../a.KVN");
    EXPECT_EQ(parse({"/srv/b.KVN"}).file, "/srv/b.KVN");
    // After "--" even a name that starts with a dash is a file.
    EXPECT_EQ(parse({"--", "-odd.KVN"}).file, "/home/me/-odd.KVN");
    EXPECT_EQ(parse({"-"}).file, "/home/me/-");
    EXPECT_TRUE(std::regex_match(parse({"--version"}).text, std::regex("kelvane [0-9]+\\.[0-9]+ b[0-9]+\n")));
    EXPECT_EQ(parse({"a.KVN", "-h"}).action, Action::Help);
    EXPECT_EQ(parse({"-x"}).action, Action::Error);
    EXPECT_EQ(parse({"--", "--help", "b"}).action, Action::Error);

    // Before Qt has taken its options out, they and their values are passed
    // over; what is not Qt's stays, after "--" too.
    const auto early = [](const std::vector<std::string>& arguments) {
        return ProgramArguments::ParseBeforeQt(arguments, "/home/me");
    };
    EXPECT_EQ(early({"-platform", "offscreen", "a.KVN"}).file, "/home/me/a.KVN");
    EXPECT_EQ(early({"--style=fusion", "-reverse", "a.KVN"}).file, "/home/me/a.KVN");
    EXPECT_EQ(early({"a.KVN", "--platform", "-x"}).action, Action::Run);
    EXPECT_EQ(early({"-platformx"}).action, Action::Error);
    EXPECT_EQ(early({"-style"}).action, Action::Run);
    EXPECT_EQ(early({"--", "-reverse"}).file, "/home/me/-reverse");
    EXPECT_EQ(early({"a.KVN", "b.KVN", "-style", "c.KVN"}).action, Action::Error);
}

// The settings' place: an installed program in the configuration folder
// whoever runs it (root may write /usr/games); any other copy beside itself
// when it may, else in the configuration folder.
TEST(StartUp, SettingsFolderRule)
{
    const std::string config = "/home/me/.config";
    struct Case {
        std::string program, install;
        bool writable;
        std::string configFolder, expected;
    };
    const std::vector<Case> cases = {
        {"/usr/games", "/usr/games", true, config, config + "/kelvane"},
        {"/usr/bin", "/usr/bin/", true, config, config + "/kelvane"},
        {"/usr/local/bin", "/usr/./local/bin", true, config, config + "/kelvane"},
        {"/usr/bin", "/usr/bin", true, "", "/nonexistent/kelvane"},
        {"/home/me/kelvane/build/src/app", "/usr/local/bin", true, config, "/home/me/kelvane/build/src/app"},
        {"/opt/kelvane", "/usr/bin", false, config, config + "/kelvane"},
        {"/opt/kelvane", "/usr/bin", false, "", "/opt/kelvane"},
        {"/usr/bin/games", "/usr/bin", true, config, "/usr/bin/games"},
        {"/usr/bin", "", true, config, "/usr/bin"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseSettingsFolder(c.program, c.install, c.writable, c.configFolder), c.expected)
            << c.program << " installed at " << c.install << (c.writable ? ", writable" : "");
}

} // namespace
} // namespace kelvane
