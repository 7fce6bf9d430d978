#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "CliRunner.h"
#include "core/files/SystemFile.h"
#include "core/model/Codes.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

using test::CliRun;
using test::ReadAll;
using test::WriteAll;

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// Width and height from a PNG's header chunk.
std::pair<unsigned, unsigned> PngSize(const std::string& png)
{
    const auto number = [&](std::size_t at) {
        unsigned value = 0;
        for (std::size_t i = at; i < at + 4; ++i)
            value = value << 8 | static_cast<unsigned char>(png[i]);
        return value;
    };
    return png.size() < 24 ? std::pair{0u, 0u} : std::pair{number(16), number(20)};
}

class Render : public test::CliRunner {
protected:
    void SetUp() override
    {
        CliRunner::SetUp();

        StarSystem system;
        system.SystemName = "Vega";
        system.SystemType = 1;
        system.StarClass = ClassGiant;
        system.StarType = StarBlueWhite;
        system.Orbit(2) = {TypeEnvAverage, 9, 3, {}, {}, 0, 115, 115, 0};
        system.Orbit(6).Type = TypeAsteroids;
        m_system = (Dir() / "vega.KVN").string();
        ASSERT_TRUE(SaveSystemFile(system, m_system, '.').Ok());
    }
    // Runs kelvane-cli render with arguments.
    CliRun RunRender(const std::string& arguments) const { return Invoke("render " + arguments); }

    // The names in the test folder.
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Dir()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string m_system;
};

TEST_F(Render, PngWithoutAScreenTheSameBytesEveryTime)
{
    const std::string png = (Dir() / "vega.png").string();
    CliRun run = RunRender(m_system + " -o " + png);
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    const std::string first = ReadAll(png);
    EXPECT_EQ(first.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(PngSize(first), (std::pair{800u, 800u}));

    // The asteroid dots come from a fixed seed.
    ASSERT_EQ(RunRender(m_system + " -o " + png).exit, 0);
    EXPECT_EQ(ReadAll(png), first);

    // The extension in any case; the size option.
    const std::string upper = (Dir() / "small.PNG").string();
    run = RunRender(m_system + " --size=64 -o " + upper);
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(PngSize(ReadAll(upper)), (std::pair{64u, 64u}));
    EXPECT_EQ(Files(), (std::vector<std::string>{"small.PNG", "vega.KVN", "vega.png"}));
}

TEST_F(Render, SvgFollowsTheDisplayOptions)
{
    const std::string svg = (Dir() / "vega.svg").string();
    const auto render = [&](const std::string& options) {
        const CliRun run = RunRender(m_system + " -o " + svg + " " + options);
        EXPECT_EQ(run.exit, 0) << options << ": " << run.err;
        return ReadAll(svg);
    };

    // Arced, grey thin lines, 800 pixels: star, ten orbits, planet, three
    // moons and 70 dots of orbit 6.
    std::string text = render("");
    EXPECT_EQ(text.rfind("<?xml", 0), 0u);
    EXPECT_NE(text.find("width=\"800\" height=\"800\""), std::string::npos);
    EXPECT_NE(text.find("fill=\"#000000\""), std::string::npos); // black background
    EXPECT_EQ(Count(text, "<circle"), 1u + 10 + 1 + 3 + 70);
    EXPECT_EQ(Count(text, "stroke=\"#969696\" stroke-width=\"1\""), 10u);
    EXPECT_EQ(render(""), text);

    text = render("--style flat --white-orbits on --thick-orbits on --size 300");
    EXPECT_NE(text.find("width=\"300\" height=\"300\""), std::string::npos);
    EXPECT_EQ(Count(text, "<line"), 10u);
    EXPECT_EQ(Count(text, "<circle"), 1u + 1 + 3 + 50);
    EXPECT_EQ(Count(text, "stroke=\"#ffffff\" stroke-width=\"2\""), 10u);

    text = render("--style complete --orbit-lines off");
    EXPECT_EQ(Count(text, "<circle"), 1u + 1 + 3 + 120);
    EXPECT_EQ(Count(text, "<line"), 0u);
    EXPECT_EQ(Count(text, "#969696"), 0u);
}

TEST_F(Render, BadUsageExitsTwoWithAReason)
{
    const std::string out = (Dir() / "out.png").string();
    const std::pair<std::string, std::string> cases[] = {
        {"-o " + out, "render: no system file given"},
        {m_system, "render: no output given (-o OUT.png or -o OUT.svg)"},
        {m_system + " -o " + (Dir() / "out.jpg").string(),
         "-o: '" + (Dir() / "out.jpg").string() + "' does not end in .png or .svg"},
        {m_system + " -o " + (Dir() / "png").string(),
         "-o: '" + (Dir() / "png").string() + "' does not end in .png or .svg"},
        {m_system + " -o " + out + " --colour red", "unknown option '--colour'"},
        {m_system + " -o " + out + " --style round", "--style: unknown style 'round'"},
        {m_system + " -o " + out + " --size 15", "--size: 15 is not between 16 and 8192"},
        {m_system + " -o " + out + " --size 8193", "--size: 8193 is not between 16 and 8192"},
        {m_system + " -o " + out + " --size big", "--size: 'big' is not a whole number"},
        {m_system + " -o " + out + " --orbit-lines yes", "--orbit-lines: 'yes' is neither on nor off"},
        {m_system + " -o " + out + " --white-orbits", "--white-orbits needs a value"},
        {m_system + " " + m_system + " -o " + out, "unexpected argument '" + m_system + "'"},
    };
    for (const auto& [arguments, reason] : cases) {
        const CliRun run = RunRender(arguments);
        EXPECT_EQ(run.exit, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "kelvane-cli: " + reason) << arguments;
        EXPECT_NE(run.err.find("kelvane-cli render FILE"), std::string::npos) << arguments;
    }
    EXPECT_EQ(Files(), (std::vector<std::string>{"vega.KVN"}));
}

TEST_F(Render, UnreadableInputOrUnwritableOutputExitsOneAndLeavesNoFile)
{
    const std::string out = (Dir() / "out.svg").string();
    const std::string missing = (Dir() / "missing.KVN").string();
    CliRun run = RunRender(missing + " -o " + out);
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kelvane-cli: " + missing + ": No such file or directory\n");

    const std::string strange = (Dir() / "strange.KVN").string();
    WriteAll(strange, "not a system at all\r\n");
    run = RunRender(strange + " -o " + out);
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "kelvane-cli: " + strange + ": This is not a Kelvane 2.0 file.\n");

    // A damaged file: the load stops, nothing is drawn from the half read.
    const std::string damaged = (Dir() / "damaged.KVN").string();
    WriteAll(damaged, "<KelvaneSystem>\r\n<StarClass>\r\nabc\r\n</StarClass>\r\n");
    run = RunRender(damaged + " -o " + out);
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err.rfind("kelvane-cli: " + damaged + ": line ", 0), 0u) << run.err;
    EXPECT_EQ(run.out, "");

    // An old output stays as it was when the input fails.
    WriteAll(out, "old");
    EXPECT_EQ(RunRender(missing + " -o " + out).exit, 1);
    EXPECT_EQ(ReadAll(out), "old");
    fs::remove(out);

    const std::string nowhere = (Dir() / "no-such-folder" / "out.png").string();
    run = RunRender(m_system + " -o " + nowhere);
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "kelvane-cli: " + nowhere + ": No such file or directory\n");

    // A folder named like an image: the rename fails and the folder stays.
    fs::create_directories(Dir() / "taken.svg" / "inside");
    run = RunRender(m_system + " -o " + (Dir() / "taken.svg").string());
    EXPECT_EQ(run.exit, 1);
    EXPECT_TRUE(fs::exists(Dir() / "taken.svg" / "inside"));

    // A full disk behind a link: written in place, and the failure told.
    fs::create_symlink("/dev/full", Dir() / "full.png");
    run = RunRender(m_system + " -o " + (Dir() / "full.png").string());
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "kelvane-cli: " + (Dir() / "full.png").string() + ": No space left on device\n");

    EXPECT_EQ(Files(),
              (std::vector<std::string>{"damaged.KVN", "full.png", "strange.KVN", "taken.svg", "vega.KVN"}));
}

} // namespace
} // namespace kelvane
