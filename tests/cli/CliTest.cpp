#include <map>
#include <regex>

#include "CliFixture.h"
#include "core/files/SystemFile.h"
#include "core/model/Codes.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;
using test::CliRun;
const std::string Example = KELVANE_TEST_DATA "/example.KVN";

// How often pattern matches in text.
long Count(const std::string& text, const std::string& pattern)
{
    const std::regex regex(pattern);
    return std::distance(std::sregex_iterator(text.begin(), text.end(), regex), {});
}

class Cli : public test::CliFixture {};

// The rows of a CSV output by the system number in their first column.
std::map<std::string, std::string> RowsBySystem(const std::string& csv)
{
    std::map<std::string, std::string> rows;
    for (std::size_t at = csv.find('\n') + 1; at < csv.size();) {
        const std::size_t end = csv.find('\n', at) + 1;
        rows[csv.substr(at, csv.find(',', at) - at)] += csv.substr(at, end - at);
        at = end;
    }
    return rows;
}

// The code of a system's rows: the column before the four names that end
// each row (names without commas).
std::string CodeOfRows(const std::string& rows)
{
    std::size_t end = rows.find('\n');
    for (int names = 0; names < 4; ++names)
        end = rows.rfind(',', end - 1);
    const std::size_t start = rows.rfind(',', end - 1) + 1;
    return rows.substr(start, end - start);
}

// What a seed gives is the stored bytes' to guard (below); here where it goes.
TEST_F(Cli, NewWritesAFileOrStandardOutputAndDrawsASeedWithoutOne)
{
    Ok("new --seed 123 --count 5 --life-support 4 --biozone 3 --format csv -o s.csv", true);
    EXPECT_EQ(Files(), Names{"s.csv"}); // no temporary file
    // The same on standard output, with the options in the --name=value form.
    EXPECT_EQ(Invoke("new --seed=123 --count=5 --life-support=4 --biozone=3 --format=csv").out,
              Read("s.csv"));
    // Without a seed each run differs.
    EXPECT_NE(Invoke("new --count 3 --format csv").out, Invoke("new --count 3 --format csv").out);
}

// Seeds already handed out must keep giving the same systems: the stored
// output of a few seeds, in every format and with several option pairs, is
// compared byte for byte. Only a change named in the README may alter them.
TEST_F(Cli, SeedsGiveTheStoredBytesInEveryFormat)
{
    const struct {
        const char* arguments;
        const char* golden;
    } cases[] = {
        {"--seed 1 --count 3 --format text", "seed1-ls2-bz1.txt"},
        {"--seed 1 --count 3 --format json", "seed1-ls2-bz1.json"},
        {"--seed 1 --count 3 --format csv", "seed1-ls2-bz1.csv"},
        {"--seed 1 --count 3 --format kvn", "seed1-ls2-bz1.KVN"},
        {"--seed 18446744073709551615 --count 40 --life-support 1 --biozone 3 --format csv",
         "seedmax-ls1-bz3.csv"},
        {"--seed 42 --count 4 --life-support 4 --biozone 2 --format json", "seed42-ls4-bz2.json"},
        {"--seed 7 --count 2 --life-support 3 --biozone 2 --format text", "seed7-ls3-bz2.txt"},
        {"--seed 0 --count 2 --life-support 1 --biozone 1 --format kvn", "seed0-ls1-bz1.KVN"},
        {"--seed 1 --count 2 --life-support 2 --biozone 3 --format md", "seed1-ls2-bz3.md"},
    };
    for (const auto& c : cases) {
        const CliRun run = Invoke(std::string("new ") + c.arguments);
        ASSERT_EQ(run.exit, 0) << c.arguments << ": " << run.err;
        const fs::path golden = fs::path(KELVANE_TEST_DATA) / "golden" / c.golden;
        ASSERT_TRUE(fs::exists(golden)) << golden;
        EXPECT_TRUE(run.out == Read(golden)) << c.arguments << " no longer gives " << c.golden;
    }
}

TEST_F(Cli, EverySystemsCodeMakesItAgainWithItsOptions)
{
    // Codes over every seed and option pair are the core's; here a run that
    // drew its seed and one with options of its own.
    for (const std::string run : {"--count 2", "--seed 4000003 --count 2 --life-support 4 --biozone 3"}) {
        for (const auto& [number, rows] : RowsBySystem(Ok("new " + run + " --format csv").out)) {
            const std::string code = CodeOfRows(rows);
            ASSERT_FALSE(code.empty()) << run;
            // The same rows, its number in the run included.
            EXPECT_EQ(RowsBySystem(Ok("new --code " + code + " --format csv").out),
                      (std::map<std::string, std::string>{{number, rows}}))
                << run;
        }
    }
    // A long run is made in batches of 2048: the systems at the end of one
    // and the start of the next come back too, the positions the first left
    // in orbits without a planet included.
    std::map<std::string, std::string> longRows =
        RowsBySystem(Ok("new --seed 11 --count 2100 --format csv").out);
    ASSERT_EQ(longRows.size(), 2100u);
    for (const std::string number : {"2048", "2049", "2100"}) {
        const CliRun again = Invoke("new --code " + CodeOfRows(longRows[number]) + " --format csv");
        EXPECT_EQ(RowsBySystem(again.out), (std::map<std::string, std::string>{{number, longRows[number]}}));
    }
    // The text carries the code; a system file, which keeps no code, is the
    // same system.
    const std::string code = CodeOfRows(RowsBySystem(Invoke("new --seed 9 --format csv").out)["1"]);
    const auto withCode = [&](const std::string& more) { return Invoke("new --code " + code + more); };
    EXPECT_EQ(withCode(" --format kvn").out, Invoke("new --seed 9 --format kvn").out);
    EXPECT_NE(Invoke("new --seed 9").out.find("\nSystem Code     " + code + "\n"), std::string::npos);
    // A loaded system has none: null, an empty column, no line.
    ASSERT_EQ(Invoke("new --seed 9 --format kvn -o nine.KVN").exit, 0);
    EXPECT_NE(Invoke("show nine.KVN --format json").out.find("\n  \"code\": null,\n"), std::string::npos);
    EXPECT_EQ(CodeOfRows(RowsBySystem(Invoke("show nine.KVN --format csv").out)["1"]), "");
    EXPECT_EQ(Invoke("show nine.KVN").out.find("System Code"), std::string::npos);

    // A code fixes the options and the system: nothing may choose them again.
    for (const std::string clash : {"--seed 1", "--count 2", "--life-support 3", "--biozone 2"}) {
        const CliRun run = withCode(" " + clash);
        EXPECT_EQ(run.exit, 2) << clash;
        EXPECT_TRUE(run.err.starts_with("kelvane-cli: --code makes one system with the options it holds; " +
                                        clash.substr(0, clash.find(' ')) + " cannot go with it\n"))
            << run.err;
    }
    std::string mistyped = code;
    mistyped[0] = mistyped[0] == '4' ? '5' : '4';
    for (const std::string& bad : {mistyped, std::string("hello"), code + "-7"}) {
        const CliRun run = Invoke("new --code " + bad);
        EXPECT_EQ(run.exit, 2) << bad;
        EXPECT_TRUE(run.err.starts_with("kelvane-cli: --code: '" + bad + "' is not a system code: "))
            << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(Cli, SystemFilesKeepTheirBytesAndLoadBackAsGenerated)
{
    ASSERT_EQ(Invoke("convert " + Example + " copy.KVN").exit, 0);
    EXPECT_EQ(Read("copy.KVN"), Read(Example));
    EXPECT_EQ(Invoke("show " + Example + " --format kvn").out, Read(Example));

    // Several systems: one numbered file each in a folder, or one after another on standard output.
    Ok("new --seed 7 --count 3 --format kvn -o sector", true);
    EXPECT_EQ(Files("sector"), (Names{"system-0001.KVN", "system-0002.KVN", "system-0003.KVN"}));
    EXPECT_EQ(Read("sector/system-0001.KVN") + Read("sector/system-0002.KVN") +
                  Read("sector/system-0003.KVN"),
              Invoke("new --seed 7 --count 3 --format kvn").out);
}

TEST_F(Cli, SystemJsonConvertsBackToTheSystemFileOrIsRefusedWithNothingWritten)
{
    // A .json name that is a system, not a sector index.
    ASSERT_EQ(Invoke("new --seed 11 --life-support 3 --format json -o a.json").exit, 0);
    ASSERT_EQ(Invoke("convert a.json b.KVN").exit, 0);
    EXPECT_EQ(Read("b.KVN"), Invoke("new --seed 11 --life-support 3 --format kvn").out);
    // show prints every system of an array, without the codes it cannot vouch for.
    ASSERT_EQ(Invoke("new --seed 11 --count 2 --format json -o two.json").exit, 0);
    EXPECT_EQ(Invoke("show two.json --format json").out,
              std::regex_replace(Read("two.json"), std::regex(R"("code": "[^"]*")"), R"("code": null)"));

    std::string bad = Read("a.json");
    bad.replace(bad.find("\"moons\": "), 9, R"("moons": "many", "m": )");
    Write("bad.json", bad);
    for (const auto& [file, reason] :
         {std::pair{"bad.json", "orbits[0].moons: expected a number, found a string"},
          {"two.json", "the array holds 2 systems; only one can be read here"}}) {
        const CliRun refused = Invoke("convert " + std::string(file) + " out.KVN");
        EXPECT_EQ(std::tie(refused.exit, refused.err),
                  std::tuple(1, "kelvane-cli: " + std::string(file) + ": " + reason + "\n"));
    }
    EXPECT_FALSE(fs::exists(dir / "out.KVN"));
}

TEST_F(Cli, RenderDrawsTheSameImageEveryTimeWithoutAScreen)
{
    Ok("render " + Example + " -o example.png", true);
    const std::string png = Read("example.png");
    // The signature, then 800 by 800 in the header chunk.
    EXPECT_EQ(png.substr(0, 24), std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x03\x20\0\0\x03\x20", 24));
    // The asteroid dots come from a fixed seed.
    Ok("render " + Example + " -o example.png");
    EXPECT_EQ(Read("example.png"), png);
    // The extension in any case; the size option.
    Ok("render " + Example + " --size=64 -o small.PNG");
    EXPECT_EQ(Read("small.PNG").substr(16, 8), std::string("\0\0\0\x40\0\0\0\x40", 8));

    // A giant with a planet of three moons in orbit 2 and asteroids in orbit 6,
    // flat, white, thick and small. (The other options are the desktop's
    // Export, compared byte for byte with these commands.)
    StarSystem system{"", 1, ClassGiant, StarBlueWhite, {}, {}, {}, {}};
    system.Orbit(2) = {TypeEnvAverage, 9, 3, {}, {}, 0, 115, 115, 0};
    system.Orbit(6).Type = TypeAsteroids;
    ASSERT_TRUE(SaveSystemFile(system, (dir / "vega.KVN").string(), '.').Ok());
    Ok("render vega.KVN -o vega.svg --style flat --white-orbits on --thick-orbits on --size 300");
    const std::string text = Read("vega.svg");
    EXPECT_NE(text.find("<rect x=\"0\" y=\"0\" width=\"300\" height=\"300\""), std::string::npos);
    EXPECT_EQ(Count(text, "<line [^\n]*stroke=\"#ffffff\" stroke-width=\"2\""), 10);
    EXPECT_EQ(Count(text, "<circle"), 1 + 1 + 3 + 50);
    EXPECT_EQ(Files(), (Names{"example.png", "small.PNG", "vega.KVN", "vega.svg"}));
}

TEST_F(Cli, ReportIsOnePageOfUsLetterWithoutAScreen)
{
    Ok("report " + Example + " -o a.pdf", true);
    const std::string pdf = Read("a.pdf");
    EXPECT_TRUE(pdf.starts_with("%PDF-1.") && pdf.find("%%EOF", pdf.size() - 8) != std::string::npos);
    EXPECT_EQ(Count(pdf, "/Type /Page[^s]"), 1);
    EXPECT_NE(pdf.find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
    // Every option, in either spelling; the extension in any case.
    const std::string options = "--style=flat --grey-for-black off --colored-text=off --style complete";
    EXPECT_EQ(Invoke("report " + options + " " + Example + " --output b.PDF").exit, 0);
    EXPECT_EQ(Count(Read("b.PDF"), "/Type /Page[^s]"), 1);
    EXPECT_EQ(Files(), (Names{"a.pdf", "b.PDF"}));
}

// kelvane-cli loads no Qt library: new, show and convert start without
// them, and render and report run in the helper beside kelvane-cli or, as
// installed, in the libexec folder relative to it.
TEST_F(Cli, OnlyTheQtHelperLoadsQtWhereverItIsInstalled)
{
    // The dynamic loader names every library it loads, dlopen()ed ones too.
    CliRun run = Run(KELVANE_CLI_PATH, "new --seed 1 --format csv", "LD_DEBUG=files");
    ASSERT_EQ(run.exit, 0);
    EXPECT_NE(run.err.find("file=libstdc++"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("libQt"), std::string::npos) << run.err;
    run = Run(KELVANE_CLI_PATH, "render " + Example + " -o a.svg", "LD_DEBUG=files");
    ASSERT_EQ(run.exit, 0);
    EXPECT_NE(run.err.find("file=libQt6Gui"), std::string::npos);

    // As installed, bin/kelvane-cli without the helper in its folder relative
    // to bin: only render and report fail, and say why.
    const fs::path bin = dir / "usr" / "bin";
    fs::create_directories(bin);
    fs::copy_file(KELVANE_CLI_PATH, bin / "kelvane-cli");
    run = Run((bin / "kelvane-cli").string(), "render " + Example + " -o missing.png");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kelvane-cli: kelvane-cli-qt: not found beside " + (bin / "kelvane-cli").string() +
                           " nor in " + (bin / KELVANE_CLI_HELPER_FOLDER).lexically_normal().string() + "\n");
    EXPECT_EQ(Run((bin / "kelvane-cli").string(), "new --seed 1").out, Invoke("new --seed 1").out);
    EXPECT_EQ(Run((bin / "kelvane-cli").string(), "render --help").exit, 0);
    EXPECT_FALSE(fs::exists(dir / "missing.png"));
}

// Help and the version go to standard output with exit 0; the usage keeps its bytes.
TEST_F(Cli, HelpGivesEachCommandsUsageAndVersionTheAboutWindowsVersion)
{
    const std::string usage = Invoke("--help").out;
    EXPECT_EQ(usage, "usage: kelvane-cli new [--count N] [--seed S] [--life-support 1-4] [--biozone 1-3]\n"
                     "                       [--format text|json|csv|md|kvn] [-o FILE|DIR]\n"
                     "       kelvane-cli new --code CODE [--format text|json|csv|md|kvn] [-o FILE]\n"
                     "       kelvane-cli show FILE [--format text|json|csv|md|kvn]\n"
                     "       kelvane-cli convert IN OUT\n"
                     "       kelvane-cli render FILE -o OUT.png|OUT.svg|- [--format png|svg] [--style "
                     "arced|complete|flat]\n"
                     "                          [--size PX] [--orbit-lines on|off] [--white-orbits on|off] "
                     "[--thick-orbits on|off]\n"
                     "       kelvane-cli report FILE -o OUT.pdf|- [--style arced|complete|flat] "
                     "[--grey-for-black on|off]\n"
                     "                          [--colored-text on|off]\n"
                     "       kelvane-cli sector [--seed S] [--width 1-64] [--height 1-80] [--density 0-1]\n"
                     "                          [--life-support 1-4] [--biozone 1-3] [--book on|off] -o DIR\n"
                     "       kelvane-cli note DIR HEX [TEXT|-]\n"
                     "       kelvane-cli note DIR HEX --get\n"
                     "       kelvane-cli rename DIR NAME\n"
                     "       kelvane-cli vault DIR -o OUT\n");
    EXPECT_EQ(Invoke("-h").out, usage);

    // Each command's own lines, wherever the option stands and whatever else is wrong.
    std::string pieces;
    for (const std::string command :
         {"new", "show", "convert", "render", "report", "sector", "note", "rename", "vault"}) {
        std::string own;
        for (const std::string arguments : {" --help", " -h", " --count=0 a b -h", " --size 1 --help"}) {
            const CliRun run = Invoke(command + arguments);
            EXPECT_EQ(run.exit, 0) << command << arguments;
            EXPECT_EQ(run.err, "") << command << arguments;
            EXPECT_TRUE(run.out.starts_with("usage: kelvane-cli " + command + " ")) << run.out;
            if (own.empty())
                own = run.out;
            EXPECT_EQ(run.out, own) << command << arguments;
        }
        pieces += pieces.empty() ? own : "       " + own.substr(7);
    }
    EXPECT_EQ(pieces, usage);
    // After an option that takes a value, -h is that value: here a file name.
    EXPECT_EQ(Invoke("new --seed 1 -o -h").exit, 0);
    EXPECT_EQ(Read("-h"), Invoke("new --seed 1").out);

    const CliRun version = Invoke("--version");
    EXPECT_EQ(version.exit, 0);
    EXPECT_EQ(version.out + version.err, "kelvane-cli 3.5 b20\n");
}

// A wrong command line exits 2 with the usage; a file that cannot be read or written exits 1.
TEST_F(Cli, ErrorsExitWithTheirReasonAndLeaveOutputsAsTheyWere)
{
    Write("other.KVN", "just some text\r\n");
    Write("damaged.KVN", "<KelvaneSystem>\r\n<StarClass>\r\nabc\r\n</StarClass>\r\n");
    for (const char* old : {"blocker", "old.KVN", "old.svg", "old.pdf"})
        Write(old, "old");
    fs::create_directories(dir / "batch" / "system-0003.KVN");
    Write("damaged.json", R"({"kelvaneSector": 1, "seed": "1", "width": 99})");
    fs::create_directories(dir / "busy");
    Write("busy/notes.txt", "mine");
    fs::create_directories(dir / "mine");
    Write("mine/0101.KVN", "mine");
    Write("mine/9999.KVN", "mine");
    Write("hostile.json",
          "{\"kelvaneSector\": 1, \"seed\": \"1\", \"width\": 2, \"height\": 2, \"density\": 1, "
          "\"lifeSupport\": 2, \"biozone\": 1, \"systems\": [{\"hex\": \"\\u001b]0;X\\u0007\"}]}");
    fs::create_symlink("/dev/full", dir / "full.png");
    const std::string none = ": No such file or directory", device = ": Is a device, not a regular file",
                      damaged = "damaged.KVN: line 3: 'abc' is not a number (StarClass)";
    const std::tuple<int, std::string, std::string> cases[] = {
        {2, "", "no command given"},
        {2, "fly", "unknown command 'fly'"},
        {2, "new --colour red", "unknown option '--colour'"},
        {2, "new --count 0", "--count: 0 is not at least 1"},
        {2, "new --life-support 7", "--life-support: 7 is not between 1 and 4"},
        {2, "new --biozone 4", "--biozone: 4 is not between 1 and 3"},
        {2, "new --seed abc", "--seed: 'abc' is not a whole number"},
        {2, "new --seed 18446744073709551616", "--seed: 18446744073709551616 is too large"},
        {2, "new --format xml", "--format: unknown format 'xml'"},
        {2, "new --format", "--format needs a value"},
        {2, "new extra", "unexpected argument 'extra'"},
        {2, "new -o ''", "-o needs a file name"},
        {2, "new --format csv --output=", "--output needs a file name"},
        {2, "show", "show needs a FILE"},
        {2, "show a.KVN b.KVN", "unexpected argument 'b.KVN'"},
        {2, "show -- --format json", "unexpected argument 'json'"},
        {2, "show -- a.KVN -h", "unexpected argument '-h'"},
        {2, "convert -- -a", "convert needs IN and OUT"},
        {2, "convert a.KVN", "convert needs IN and OUT"},
        {2, "convert a b --force yes", "unknown option '--force'"},
        {2, "render -o out.png", "render: no system file given"},
        {2, "render a.KVN", "render: no output given (-o OUT.png or -o OUT.svg)"},
        {2, "render a.KVN -o out.jpg", "-o: 'out.jpg' does not end in .png or .svg"},
        {2, "render a.KVN -o - --format gif", "--format: unknown image format 'gif'"},
        {2, "render a.KVN -o a.png --colour red", "unknown option '--colour'"},
        {2, "render a.KVN -o a.png --style round", "--style: unknown style 'round'"},
        {2, "render a.KVN -o a.png --size 15", "--size: 15 is not between 16 and 8192"},
        {2, "render a.KVN -o a.png --size 8193", "--size: 8193 is not between 16 and 8192"},
        {2, "render a.KVN -o a.png --orbit-lines yes", "--orbit-lines: 'yes' is neither on nor off"},
        {2, "render a.KVN b.KVN -o a.png", "unexpected argument 'b.KVN'"},
        {2, "report -o out.pdf", "report: no system file given"},
        {2, "report a.KVN", "report: no output given (-o OUT.pdf)"},
        {2, "report a.KVN -o out.png", "-o: 'out.png' does not end in .pdf"},
        {2, "report a.KVN -o a.pdf --size 100", "unknown option '--size'"},
        {2, "report a.KVN b.KVN -o a.pdf", "unexpected argument 'b.KVN'"},
        {2, "sector", "sector: no output folder given (-o DIR)"},
        {2, "sector -o s --width 0", "--width: 0 is not between 1 and 64"},
        {2, "sector -o s --width 65", "--width: 65 is not between 1 and 64"},
        {2, "sector -o s --height 81", "--height: 81 is not between 1 and 80"},
        {2, "sector -o s --density 1.5", "--density: '1.5' is not a number from 0 to 1"},
        {2, "sector -o s --density half", "--density: 'half' is not a number from 0 to 1"},
        {2, "sector -o s --life-support 5", "--life-support: 5 is not between 1 and 4"},
        {2, "sector -o s --biozone 0", "--biozone: 0 is not between 1 and 3"},
        {2, "sector -o s --seed -1", "--seed: '-1' is not a whole number"},
        {2, "sector -o s --count 3", "unknown option '--count'"},
        {2, "sector -o s extra", "unexpected argument 'extra'"},
        {2, "sector -o -", "sector: a sector is a folder of files; -o - cannot name one"},
        {2, "note s 0101 x --get", "note: --get reads the notes; TEXT cannot go with it"},
        {2, "note s 0101 --get=on", "--get takes no value"},
        {2, "show damaged.json --format kvn",
         "--format: a sector has no kvn form; its systems are the CCRR.KVN files beside it"},
        {1, "new --format csv -o no-such-folder/out.csv", "no-such-folder/out.csv" + none},
        {1, "new --count 2 --format kvn -o blocker", "blocker: not a folder"},
        {1, "new --count 5 --format kvn -o batch",
         "batch/system-0003.KVN: Is a directory; stopped after writing 2 of 5 files"},
        {1, "show other.KVN", "other.KVN: This is not a Kelvane 2.0 file."},
        {1, "show damaged.KVN --format json", damaged},
        {1, "convert missing.KVN old.KVN", "missing.KVN" + none},
        {1, "convert " + Example + " /dev/full", "/dev/full" + device},
        {1, "render missing.KVN -o old.svg", "missing.KVN" + none},
        {1, "render " + Example + " -o no-such-folder/out.png", "no-such-folder/out.png" + none},
        {1, "render " + Example + " -o full.png", "full.png" + device},
        {1, "report damaged.KVN -o old.pdf", damaged},
        {1, "report " + Example + " -o no-such-folder/out.pdf", "no-such-folder/out.pdf" + none},
        {1, "sector -o blocker", "blocker: not a folder"},
        {1, "sector -o busy",
         "busy: holds notes.txt, which is not a sector's file; choose an empty folder or a sector's own"},
        {1, "sector -o mine",
         "mine: holds 0101.KVN, which is not a sector's file; choose an empty folder or a sector's own"},
        {1, "show hostile.json",
         R"(hostile.json: system 1: "hex" '\x1B]0;X\x07' is not a hex of the sector)"},
        {1, "show damaged.json", "damaged.json: \"width\" is not a whole number from 1 to 64"},
        {1, "show missing.json", "missing.json: No such file or directory"},
        {1, "show -- -h", "-h: No such file or directory"}, // after "--", -h is a file's name
    };
    // The usage shown is the command's own, or every command's when the
    // command is missing or unknown.
    const std::string usage = Invoke("--help").out;
    for (const auto& [exit, arguments, message] : cases) {
        const CliRun run = Invoke(arguments);
        EXPECT_EQ(run.exit, exit) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        std::string own = Invoke(arguments.substr(0, arguments.find(' ')) + " --help").out;
        if (own.empty())
            own = usage;
        EXPECT_EQ(run.err, "kelvane-cli: " + message + "\n" + (exit == 2 ? own : "")) << arguments;
    }
    EXPECT_EQ(Invoke("new --seed 18446744073709551615 -o big.txt").exit, 0); // the largest seed
    // Nothing replaced, nothing half written, no temporary file.
    for (const char* old : {"blocker", "old.KVN", "old.svg", "old.pdf"})
        EXPECT_EQ(Read(old), "old") << old;
    EXPECT_EQ(Files("busy"), Names{"notes.txt"});
    EXPECT_EQ(Files("mine"), (Names{"0101.KVN", "9999.KVN"}));
    EXPECT_EQ(Files("batch"), (Names{"system-0001.KVN", "system-0002.KVN", "system-0003.KVN"}));
    EXPECT_EQ(Files(),
              (Names{"batch", "big.txt", "blocker", "busy", "damaged.KVN", "damaged.json", "full.png",
                     "hostile.json", "mine", "old.KVN", "old.pdf", "old.svg", "other.KVN"}));
}

} // namespace
} // namespace kelvane
