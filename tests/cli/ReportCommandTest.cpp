#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
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

// Page objects of a PDF; the page tree ("/Type /Pages") is not one.
std::size_t PageCount(const std::string& pdf)
{
    std::size_t pages = 0;
    for (auto at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        pages += pdf.compare(at, 12, "/Type /Pages") != 0;
    return pages;
}

class Report : public test::CliRunner {
protected:
    void SetUp() override
    {
        CliRunner::SetUp();
        StarSystem system;
        system.SystemName = "Vega";
        system.SystemType = 1;
        system.StarClass = ClassMainSequence;
        system.StarType = StarYellow;
        system.Orbit(2) = {TypeEnvGood, 9, 3, {}, Distance::FromTenths(9), 0, 115, 115, 0};
        system.Orbit(6).Type = TypeAsteroids;
        m_system = (Dir() / "vega.KVN").string();
        ASSERT_TRUE(SaveSystemFile(system, m_system, '.').Ok());
    }
    CliRun RunReport(const std::string& arguments) const { return Invoke("report " + arguments); }

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

TEST_F(Report, OnePagePdfWithoutAScreen)
{
    const std::string out = (Dir() / "vega.pdf").string();
    const CliRun run = RunReport(m_system + " -o " + out);
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    const std::string pdf = ReadAll(out);
    EXPECT_TRUE(pdf.starts_with("%PDF-1."));
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos);
    EXPECT_EQ(PageCount(pdf), 1u);
    // US Letter: 612 by 792 points.
    EXPECT_NE(pdf.find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
    EXPECT_EQ(Files(), (std::vector<std::string>{"vega.KVN", "vega.pdf"}));

    // Every option, in either spelling; the extension in any case.
    const std::string other = (Dir() / "plain.PDF").string();
    const CliRun options =
        RunReport("--style=flat --grey-for-black off --colored-text=off --style complete " + m_system +
                  " --output " + other);
    ASSERT_EQ(options.exit, 0) << options.err;
    EXPECT_EQ(PageCount(ReadAll(other)), 1u);
}

TEST_F(Report, WrongCommandLinesExitTwoAndWriteNothing)
{
    const std::string out = (Dir() / "out.pdf").string();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "no system file given"},
        {m_system, "no output given"},
        {m_system + " -o " + (Dir() / "out.png").string(), "does not end in .pdf"},
        {m_system + " -o " + (Dir() / "pdf").string(), "does not end in .pdf"},
        {m_system + " -o " + out + " --size 100", "unknown option '--size'"},
        {m_system + " -o " + out + " --style round", "--style: unknown style 'round'"},
        {m_system + " -o " + out + " --grey-for-black yes", "--grey-for-black: 'yes' is neither on nor off"},
        {m_system + " -o " + out + " --colored-text", "--colored-text needs a value"},
        {m_system + " " + m_system + " -o " + out, "unexpected argument"},
    };
    for (const auto& [arguments, reason] : cases) {
        const CliRun run = RunReport(arguments);
        EXPECT_EQ(run.exit, 2) << arguments;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("kelvane-cli report FILE -o OUT.pdf"), std::string::npos) << arguments;
    }
    EXPECT_EQ(Files(), std::vector<std::string>{"vega.KVN"});
}

TEST_F(Report, UnreadableInputOrOutputExitsOneAndLeavesOutAsItWas)
{
    const std::string out = (Dir() / "out.pdf").string();
    WriteAll(out, "old report");

    const std::string missing = (Dir() / "missing.KVN").string();
    CliRun run = RunReport(missing + " -o " + out);
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "kelvane-cli: " + missing + ": No such file or directory\n");

    const std::string damaged = (Dir() / "damaged.KVN").string();
    WriteAll(damaged, "<KelvaneSystem>\r\n<StarClass>\r\nbig\r\n</StarClass>\r\n");
    run = RunReport(damaged + " -o " + out);
    EXPECT_EQ(run.exit, 1);
    EXPECT_TRUE(run.err.starts_with("kelvane-cli: " + damaged + ": line ")) << run.err;
    EXPECT_EQ(ReadAll(out), "old report");

    const std::string nowhere = (Dir() / "no-such-folder" / "out.pdf").string();
    run = RunReport(m_system + " -o " + nowhere);
    EXPECT_EQ(run.exit, 1);
    EXPECT_TRUE(run.err.starts_with("kelvane-cli: " + nowhere + ": ")) << run.err;
    EXPECT_EQ(Files(), (std::vector<std::string>{"damaged.KVN", "out.pdf", "vega.KVN"}));
}

} // namespace
} // namespace kelvane
