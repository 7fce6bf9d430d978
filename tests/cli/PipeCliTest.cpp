// kelvane-cli in a shell's pipes: "-" for standard input and output, pipes
// and /dev/stdin read as files, "--" before a name that starts with a dash.
// (What a wrong command line says, "--" included, is in CliTest's table.)
#include <tuple>

#include "CliFixture.h"

namespace kelvane {
namespace {

using test::CliRun;
using test::Quoted;
using test::Ran;
using test::Shell;

class Pipes : public test::CliFixture {
protected:
    // A shell pipeline in the test's folder; CLI stands for kelvane-cli.
    Ran Pipeline(std::string line) const
    {
        for (std::size_t at; (at = line.find("CLI")) != std::string::npos;)
            line.replace(at, 3, std::string(test::AsAScript) + " timeout 60 " + KELVANE_CLI_PATH);
        return Shell("cd " + Quoted(dir.string()) + " && " + line);
    }
};

TEST_F(Pipes, DashAndPipesReadAndWriteWhatFilesWould)
{
    for (const char* step : {"new --seed 7 --format kvn -o vega.KVN", "render vega.KVN -o vega.png",
                             "render vega.KVN -o vega.svg --size 300", "convert vega.KVN again.KVN",
                             "sector --seed 3 --width 2 --height 2 -o s"})
        ASSERT_EQ(Invoke(step).exit, 0) << step;
    Write("-odd.KVN", Read("vega.KVN"));
    const std::string shown = Invoke("show vega.KVN --format json").out;
    const std::string sectorShown = Invoke("show s/sector.json").out;

    // Each case: a shell line, and the file whose bytes its output must be
    // (or, in quotes, the output itself).
    const std::tuple<std::string, std::string> cases[] = {
        {"CLI new --seed 7 --format kvn -o -", "vega.KVN"},
        {"CLI new --seed 7 --format kvn --output=-", "vega.KVN"},
        {"CLI render - -o - < vega.KVN", "vega.png"},
        {"cat vega.KVN | CLI render - -o - --format svg --size 300", "vega.svg"},
        {"CLI render vega.KVN --size 300 -o - --format=svg", "vega.svg"},
        {"CLI convert - - < vega.KVN", "again.KVN"},
        {"cat vega.KVN | CLI convert /dev/stdin -", "again.KVN"},
        {"CLI show --format json -- -odd.KVN", "\"" + shown},
        {"CLI show - --format json < vega.KVN", "\"" + shown},
        {"cat vega.KVN | CLI show /dev/stdin --format json", "\"" + shown},
        {"cat s/sector.json | CLI show -", "\"" + sectorShown},
    };
    for (const auto& [line, expected] : cases) {
        const Ran ran = Pipeline(line);
        EXPECT_EQ(ran.status, 0) << line << "\n" << ran.output;
        EXPECT_EQ(ran.output, expected[0] == '"' ? expected.substr(1) : Read(expected)) << line;
    }
    EXPECT_FALSE(shown.empty());
    EXPECT_NE(sectorShown, shown);

    // A piped file is read whole, once, and reaches the file it is converted to.
    EXPECT_EQ(Pipeline("cat vega.KVN | CLI convert - piped.KVN").status, 0);
    EXPECT_EQ(Read("piped.KVN"), Read("again.KVN"));
    // Images go down the pipe as they are: file(1) sees a PNG, and a PDF.
    EXPECT_EQ(Pipeline("CLI render - -o - < vega.KVN | file -b -").output.substr(0, 14), "PNG image data");
    const Ran pdf = Pipeline("CLI report vega.KVN -o - | file -b -");
    EXPECT_EQ(pdf.output.substr(0, 12), "PDF document") << pdf.output;
    // "-" writes no file named "-"; a kvn batch to "-" is one stream, not a folder.
    const CliRun batch = Invoke("new --seed 7 --count 3 --format kvn -o -");
    EXPECT_EQ(batch.out, Invoke("new --seed 7 --count 3 --format kvn").out);
    EXPECT_EQ(Files(),
              (Names{"-odd.KVN", "again.KVN", "piped.KVN", "s", "vega.KVN", "vega.png", "vega.svg"}));

    // Nothing on standard input is an empty file, named as standard input.
    const CliRun empty = Invoke("show - < /dev/null");
    EXPECT_EQ(empty.exit, 1);
    EXPECT_EQ(empty.err, "kelvane-cli: standard input: the file is empty\n");
}

} // namespace
} // namespace kelvane
