// The installed program: `cmake --install` into a fresh prefix, then the tree
// as a user's desktop, shell and package manager see it, checked with the
// tools that read it (desktop-file-validate, appstreamcli, update-mime-database,
// gio, groff, bash).
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <vector>

#include "Shell.h"
#include "TempFolder.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using test::Quoted;
using test::Ran;
using test::ReadBytes;
using test::Shell;
using test::WriteBytes;

constexpr const char* AppId = "org.kelvane.Kelvane";
constexpr const char* MimeType = "application/x-kelvane-system";

constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

std::string IconFile(int size)
{
    return "share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/kelvane.png";
}

// Every file the package ships, below the prefix, and whether it is a
// program. A new installed file belongs here.
std::map<std::string, bool> ExpectedFiles()
{
    std::map<std::string, bool> files = {
        {"bin/kelvane", true},
        {"bin/kelvane-cli", true},
        {"libexec/kelvane/kelvane-cli-qt", true},
        {"share/applications/org.kelvane.Kelvane.desktop", false},
        {"share/metainfo/org.kelvane.Kelvane.metainfo.xml", false},
        {"share/mime/packages/kelvane.xml", false},
        {"share/icons/hicolor/scalable/apps/kelvane.svg", false},
        {"share/man/man1/kelvane.1.gz", false},
        {"share/man/man1/kelvane-cli.1.gz", false},
        {"share/bash-completion/completions/kelvane-cli", false},
        {"share/doc/kelvane/copyright", false},
        {"share/doc/kelvane/changelog.Debian.gz", false},
        {"share/kelvane/schemas/system.schema.json", false},
        {"share/kelvane/schemas/sector.schema.json", false},
    };
    for (const int size : IconSizes)
        files[IconFile(size)] = false;
    return files;
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class InstallTree : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<test::TempFolder>();
        const Ran installed = Shell(Quoted(KELVANE_CMAKE) + " --install " + Quoted(KELVANE_BUILD_DIR) +
                                    " --prefix " + Quoted(Prefix()));
        ASSERT_EQ(installed.status, 0) << installed.output;
    }
    static void TearDownTestSuite() { s_folder.reset(); }

    static std::string Prefix() { return *s_folder / "prefix"; }
    static std::string In(const std::string& relative) { return Prefix() + "/" + relative; }
    static std::string Scratch(const std::string& name) { return *s_folder / name; }

    // An installed program run with the given arguments, offscreen.
    static Ran Installed(const std::string& program, const std::string& arguments)
    {
        return Shell("QT_QPA_PLATFORM=offscreen " + Quoted(In("bin/" + program)) + " " + arguments);
    }

    // The words of kelvane-cli's usage: each command with its options, and
    // the words an option takes where it names them, by "command option"
    // ("render --style": arced, complete, flat).
    struct Usage {
        std::map<std::string, std::set<std::string>> options;
        std::map<std::string, std::set<std::string>> values;
    };
    static Usage CliUsage()
    {
        const Ran help = Installed("kelvane-cli", "--help");
        EXPECT_EQ(help.status, 0) << help.output;
        Usage usage;
        std::string command;
        const std::regex commandLine(R"(kelvane-cli ([a-z]+))");
        const std::regex option(R"((^|[\s\[])(--?[a-z][a-z-]*)( ([a-z]+(\|[a-z]+)+))?)");
        std::istringstream lines(help.output);
        for (std::string line; std::getline(lines, line);) {
            std::smatch match;
            if (std::regex_search(line, match, commandLine)) {
                command = match[1];
                usage.options[command];
                line = match.suffix();
            }
            for (std::sregex_iterator it(line.begin(), line.end(), option), end; it != end; ++it) {
                if (command.empty())
                    continue;
                usage.options[command].insert((*it)[2]);
                std::istringstream words(std::regex_replace((*it)[4].str(), std::regex(R"(\|)"), " "));
                for (std::string word; words >> word;)
                    usage.values[command + " " + (*it)[2].str()].insert(word);
            }
        }
        // Read this way, a usage with no commands or options would pass every check.
        EXPECT_GE(usage.options.size(), 5u) << help.output;
        EXPECT_GE(usage.options["new"].size(), 6u) << help.output;
        return usage;
    }

    // What bash offers in folder for the words of a command line, the last
    // one being completed, with the installed completion loaded.
    static std::set<std::string> Completions(const std::vector<std::string>& words,
                                             const std::string& folder = "/")
    {
        std::string array;
        for (const std::string& word : words)
            array += Quoted(word) + " ";
        const Ran ran =
            Shell("cd " + Quoted(folder) + " && bash --norc -c " +
                  Quoted("source " + Quoted(In("share/bash-completion/completions/kelvane-cli")) +
                         "; COMP_WORDS=(" + array + "); COMP_CWORD=" + std::to_string(words.size() - 1) +
                         R"(; _kelvane_cli; printf '%s\n' "${COMPREPLY[@]}")"));
        EXPECT_EQ(ran.status, 0) << ran.output;
        std::set<std::string> offered;
        std::istringstream lines(ran.output);
        for (std::string line; std::getline(lines, line);)
            if (!line.empty())
                offered.insert(line);
        return offered;
    }

    static inline std::unique_ptr<test::TempFolder> s_folder;
};

TEST_F(InstallTree, HoldsEveryFileThePackageNeedsAndNothingElse)
{
    std::set<std::string> found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(Prefix()))
        if (!entry.is_directory())
            found.insert(fs::relative(entry.path(), Prefix()).string());
    for (const auto& [file, program] : ExpectedFiles()) {
        struct stat info {};
        ASSERT_EQ(::stat(In(file).c_str(), &info), 0) << file << " is missing";
        EXPECT_TRUE(S_ISREG(info.st_mode)) << file;
        EXPECT_EQ(info.st_mode & 07777, program ? 0755u : 0644u) << file;
        found.erase(file);
    }
    for (const std::string& file : found)
        ADD_FAILURE() << "installed but not expected: " << file
                      << " (a file the package should ship belongs in ExpectedFiles)";

    // Each picture is what its name says: a PNG of its size, an SVG.
    for (const int size : IconSizes) {
        const std::string png = ReadBytes(In(IconFile(size)));
        ASSERT_GE(png.size(), 24u);
        EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
        // The header's width and height, four bytes each, most significant first.
        const std::string side{0, 0, static_cast<char>(size >> 8), static_cast<char>(size & 0xFF)};
        EXPECT_EQ(png.substr(16, 8), side + side) << size;
    }
    EXPECT_TRUE(Has(ReadBytes(In("share/icons/hicolor/scalable/apps/kelvane.svg")), "<svg"));
}

TEST_F(InstallTree, ProgramsRunFromItAndAgreeOnTheVersion)
{
    // Nothing from the build folder is needed once installed.
    for (const auto& [file, program] : ExpectedFiles()) {
        if (!program)
            continue;
        const Ran dynamic = Shell("readelf -d " + Quoted(In(file)));
        EXPECT_EQ(dynamic.status, 0) << dynamic.output;
        EXPECT_FALSE(Has(dynamic.output, KELVANE_BUILD_DIR)) << file << "\n" << dynamic.output;
    }
    const std::string system = Scratch("vega.KVN");
    for (const std::string& arguments :
         {"new --seed 1 --format kvn -o " + system, "render " + system + " -o " + Scratch("vega.png"),
          "report " + system + " -o " + Scratch("vega.pdf")}) {
        const Ran ran = Installed("kelvane-cli", arguments);
        EXPECT_EQ(ran.status, 0) << arguments << "\n" << ran.output;
    }
    EXPECT_EQ(ReadBytes(Scratch("vega.pdf")).substr(0, 5), "%PDF-");

    // "kelvane 3.5 b20" is release 3.5.20 in the metainfo and the man pages.
    const Ran version = Installed("kelvane", "--version");
    std::smatch numbers;
    ASSERT_TRUE(std::regex_match(version.output, numbers, std::regex(R"(kelvane (\d+)\.(\d+) b(\d+)\n)")))
        << version.output;
    const std::string release = numbers[1].str() + "." + numbers[2].str() + "." + numbers[3].str();
    const std::string shown = numbers[1].str() + "." + numbers[2].str() + " b" + numbers[3].str();
    EXPECT_EQ(Installed("kelvane-cli", "--version").output, "kelvane-cli " + shown + "\n");
    EXPECT_TRUE(Has(ReadBytes(In("share/metainfo/org.kelvane.Kelvane.metainfo.xml")),
                    "<release version=\"" + release + "\""));
    // Each man page shows what its program's --version prints.
    for (const auto& [page, title] :
         std::map<std::string, std::string>{{"kelvane.1.gz", "\"kelvane " + shown + "\""},
                                            {"kelvane-cli.1.gz", "\"kelvane\\-cli " + shown + "\""}}) {
        const std::string text = Shell("zcat " + Quoted(In("share/man/man1/" + page))).output;
        EXPECT_TRUE(Has(text, "\"Kelvane " + release + "\"")) << page;
        EXPECT_TRUE(Has(text, title)) << page;
    }
}

TEST_F(InstallTree, DesktopEntryAndMetainfoPassTheirValidators)
{
    const std::string desktop = In(std::string("share/applications/") + AppId + ".desktop");
    const Ran entry = Shell("desktop-file-validate " + Quoted(desktop));
    EXPECT_EQ(entry.status, 0) << entry.output;
    EXPECT_EQ(entry.output, "");
    const Ran metainfo = Shell("appstreamcli validate --no-net " +
                               Quoted(In(std::string("share/metainfo/") + AppId + ".metainfo.xml")));
    EXPECT_EQ(metainfo.status, 0) << metainfo.output;

    // The entry starts the installed program with the file it is given, for
    // the type the MIME file defines, with the installed icon; the metainfo
    // names the entry.
    const std::string text = ReadBytes(desktop);
    EXPECT_TRUE(Has(text, "\nExec=kelvane %f\n")) << text;
    EXPECT_TRUE(Has(text, std::string("\nMimeType=") + MimeType + ";\n")) << text;
    EXPECT_TRUE(Has(text, "\nIcon=kelvane\n")) << text;
    EXPECT_TRUE(
        Has(ReadBytes(In("share/mime/packages/kelvane.xml")), std::string("type=\"") + MimeType + "\""));
    EXPECT_TRUE(Has(ReadBytes(In(std::string("share/metainfo/") + AppId + ".metainfo.xml")),
                    std::string("<launchable type=\"desktop-id\">") + AppId + ".desktop</launchable>"));
}

TEST_F(InstallTree, SystemFilesAreKnownByNameAndByTheirFirstBytes)
{
    // The desktop's MIME database built from the installed type alone.
    const std::string data = Scratch("data");
    fs::create_directories(data + "/mime/packages");
    fs::copy_file(In("share/mime/packages/kelvane.xml"), data + "/mime/packages/kelvane.xml");
    const Ran database =
        Shell("XDG_DATA_HOME=" + Quoted(data) + " update-mime-database " + Quoted(data + "/mime"));
    EXPECT_EQ(database.status, 0) << database.output;
    EXPECT_EQ(database.output, "");

    const std::string files = Scratch("files");
    fs::create_directory(files);
    ASSERT_EQ(Installed("kelvane-cli", "new --seed 3 --format kvn -o " + Quoted(files + "/tagged")).status,
              0);
    const std::string header = "Kelvane 2.0                   ";
    ASSERT_EQ(header.size(), 30u);
    WriteBytes(files + "/old", header + std::string(532, '\0'));
    WriteBytes(files + "/almost", "Kelvane 2.0\t" + std::string(550, '\0'));
    WriteBytes(files + "/notes", "some notes\n");
    WriteBytes(files + "/Sol.KVN", "anything\n");
    WriteBytes(files + "/sol.kvn", "anything\n");
    const std::map<std::string, std::string> expected = {
        {"tagged", MimeType},  {"old", MimeType},       {"Sol.KVN", MimeType},
        {"sol.kvn", MimeType}, {"notes", "text/plain"}, {"almost", "application/octet-stream"},
    };
    for (const auto& [name, type] : expected) {
        const Ran info = Shell("XDG_DATA_HOME=" + Quoted(data) + " XDG_DATA_DIRS=/usr/share gio info -a " +
                               "standard::content-type " + Quoted(fs::path(files) / name));
        EXPECT_TRUE(Has(info.output, "standard::content-type: " + type + "\n")) << name << ":\n"
                                                                                << info.output;
    }
}

TEST_F(InstallTree, ManPageCoversEveryCommandOptionAndValue)
{
    const Ran page =
        Shell("zcat " + Quoted(In("share/man/man1/kelvane-cli.1.gz")) + " | groff -man -ww -Tascii -P-cbou");
    ASSERT_EQ(page.status, 0) << page.output;
    // groff's own warnings would show in its output.
    EXPECT_FALSE(Has(page.output, "warning")) << page.output;
    const std::set<std::string> words = [&page] {
        std::set<std::string> found;
        const std::regex word(R"([A-Za-z0-9_.-]+)");
        for (std::sregex_iterator it(page.output.begin(), page.output.end(), word), end; it != end; ++it)
            found.insert(it->str());
        return found;
    }();
    const Usage usage = CliUsage();
    for (const auto& [command, options] : usage.options) {
        EXPECT_TRUE(words.count(command)) << "command " << command;
        for (const std::string& option : options)
            EXPECT_TRUE(words.count(option)) << command << " " << option;
    }
    for (const auto& [option, values] : usage.values)
        for (const std::string& value : values)
            EXPECT_TRUE(words.count(value)) << option << " " << value;
    for (const char* always : {"-h", "--help", "--version", "EXIT", "0", "1", "2"})
        EXPECT_TRUE(words.count(always)) << always;

    const Ran program =
        Shell("zcat " + Quoted(In("share/man/man1/kelvane.1.gz")) + " | groff -man -ww -Tascii -P-cbou");
    EXPECT_FALSE(Has(program.output, "warning")) << program.output;
    EXPECT_TRUE(Has(program.output, "kelvane.ini")) << program.output;
}

TEST_F(InstallTree, BashCompletesCommandsOptionsValuesAndSystemFiles)
{
    const Usage usage = CliUsage();
    std::set<std::string> first = {"--help", "-h", "--version"};
    for (const auto& [command, options] : usage.options)
        first.insert(command);
    EXPECT_EQ(Completions({"kelvane-cli", ""}), first);

    for (auto [command, options] : usage.options) {
        options.insert({"-h", "--help"});
        const std::set<std::string> offered = Completions({"kelvane-cli", command, "-"});
        for (const std::string& option : options)
            EXPECT_TRUE(offered.count(option)) << command << " " << option;
        for (const std::string& option : options) {
            std::string key = command;
            key += " ";
            key += option;
            const auto values = usage.values.find(key);
            if (values == usage.values.end())
                continue;
            EXPECT_EQ(Completions({"kelvane-cli", command, "x.KVN", option, ""}), values->second)
                << command << " " << option;
            // --style=<TAB>: bash hands the "=" over as a word of its own.
            EXPECT_EQ(Completions({"kelvane-cli", command, "x.KVN", option, "=", ""}), values->second)
                << command << " " << option << "=";
        }
    }

    // Where a system file goes, system files (any case) and folders; where
    // an image goes, images. Hidden ones only after a dot.
    const std::string here = Scratch("here");
    fs::create_directories(here + "/maps");
    for (const char* name : {"a.KVN", "b.kvn", "c.txt", "d.png", "e.SVG", ".f.KVN"})
        WriteBytes(here + "/" + name, "x");
    EXPECT_EQ(Completions({"kelvane-cli", "show", ""}, here),
              (std::set<std::string>{"a.KVN", "b.kvn", "maps"}));
    EXPECT_EQ(Completions({"kelvane-cli", "render", "a.KVN", "-o", ""}, here),
              (std::set<std::string>{"d.png", "e.SVG", "maps"}));
    EXPECT_EQ(Completions({"kelvane-cli", "show", "."}, here), (std::set<std::string>{".", "..", ".f.KVN"}));
}

} // namespace
} // namespace kelvane
