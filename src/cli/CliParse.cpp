#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <optional>
#include <vector>

#include "cli/Cli.h"
#include "core/Version.h"

namespace kelvane {

namespace {

// A command's synopsis: its name and its arguments, in lines; a second line
// stands under the start of the first.
struct Synopsis {
    std::string_view command;
    std::string_view arguments;
    std::string_view moreArguments;
};

constexpr Synopsis Synopses[] = {
    {"new", "[--count N] [--seed S] [--life-support 1-4] [--biozone 1-3]",
     "[--format text|json|csv|md|kvn] [-o FILE|DIR]"},
    {"new", "--code CODE [--format text|json|csv|md|kvn] [-o FILE]", ""},
    {"show", "FILE [--format text|json|csv|md|kvn]", ""},
    {"convert", "IN OUT", ""},
    {"render", "FILE -o OUT.png|OUT.svg|- [--format png|svg] [--style arced|complete|flat]",
     "[--size PX] [--orbit-lines on|off] [--white-orbits on|off] [--thick-orbits on|off]"},
    {"report", "FILE -o OUT.pdf|- [--style arced|complete|flat] [--grey-for-black on|off]",
     "[--colored-text on|off]"},
    {"sector", "[--seed S] [--width 1-64] [--height 1-80] [--density 0-1]",
     "[--life-support 1-4] [--biozone 1-3] [--book on|off] -o DIR"},
    {"note", "DIR HEX [TEXT|-]", ""},
    {"note", "DIR HEX --get", ""},
    {"rename", "DIR NAME", ""},
    {"vault", "DIR -o OUT", ""},
};

void AppendSynopsis(std::string& out, const Synopsis& synopsis, bool first)
{
    const std::size_t start = out.size();
    out += first ? "usage: " : "       ";
    out += "kelvane-cli ";
    out += synopsis.command;
    out += ' ';
    const std::size_t indent = out.size() - start;
    out += synopsis.arguments;
    out += '\n';
    if (!synopsis.moreArguments.empty()) {
        out.append(indent, ' ');
        out += synopsis.moreArguments;
        out += '\n';
    }
}

// Options that take no value.
constexpr std::string_view Flags[] = {"--get"};

bool IsFlag(std::string_view name)
{
    return std::find(std::begin(Flags), std::end(Flags), name) != std::end(Flags);
}

// The arguments after the command. Options take a value, as "--name value"
// or "--name=value", but for the Flags; anything else is a positional
// argument, as is every argument after "--" ("-" alone names standard input
// or output).
class Arguments {
public:
    Arguments(int argc, char** argv, int first)
    {
        for (int i = first; i < argc; ++i)
            m_items.emplace_back(argv[i]);
    }

    // Calls option(name, value) for every option and positional(text) for
    // every other argument, in order. Throws UsageError for an option
    // without its value.
    template <typename OnOption, typename OnPositional>
    void ForEach(OnOption option, OnPositional positional) const
    {
        bool optionsEnded = false;
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            std::string_view item = m_items[i];
            if (!optionsEnded && item == "--") {
                optionsEnded = true;
                continue;
            }
            if (optionsEnded || item.size() < 2 || item[0] != '-') {
                positional(item);
                continue;
            }
            std::string_view value;
            if (const auto eq = item.find('='); eq != std::string_view::npos && item.starts_with("--")) {
                value = item.substr(eq + 1);
                item = item.substr(0, eq);
                if (IsFlag(item))
                    throw UsageError{std::string(item) + " takes no value"};
            } else if (IsFlag(item)) {
                value = {};
            } else {
                if (i + 1 >= m_items.size())
                    throw UsageError{std::string(item) + " needs a value"};
                value = m_items[++i];
            }
            option(item, value);
        }
    }

    // True when -h or --help stands where an option may: the command then
    // only prints its usage. "-o -h" names a file, as ForEach reads it.
    bool AsksForHelp() const
    {
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            const std::string_view item = m_items[i];
            if (item == "--")
                return false;
            if (item == "-h" || item == "--help")
                return true;
            // Every other option takes a value: skip it unless it came after "=".
            if (item.size() >= 2 && item[0] == '-' && !IsFlag(item) &&
                !(item.starts_with("--") && item.find('=') != std::string_view::npos))
                ++i;
        }
        return false;
    }

private:
    std::vector<std::string_view> m_items;
};

[[noreturn]] void UnknownOption(std::string_view name)
{
    throw UsageError{"unknown option '" + std::string(name) + "'"};
}

[[noreturn]] void UnexpectedArgument(std::string_view text)
{
    throw UsageError{"unexpected argument '" + std::string(text) + "'"};
}

// A positional handler for Arguments::ForEach that takes the one FILE a
// command reads into target and refuses a second argument.
auto TakeOneFile(std::string& target)
{
    return [&target](std::string_view text) {
        if (!target.empty())
            UnexpectedArgument(text);
        target = std::string(text);
    };
}

// A whole number between min and max, or a UsageError naming the option.
template <typename Int> Int ParseNumber(std::string_view option, std::string_view text, Int min, Int max)
{
    Int value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec == std::errc::invalid_argument || result.ptr != text.data() + text.size())
        throw UsageError{std::string(option) + ": '" + std::string(text) + "' is not a whole number"};
    const std::string prefix = std::string(option) + ": " + std::string(text);
    if (result.ec == std::errc::result_out_of_range && max == std::numeric_limits<Int>::max())
        throw UsageError{prefix + " is too large"};
    if (result.ec == std::errc::result_out_of_range || value < min || value > max) {
        const std::string range = max == std::numeric_limits<Int>::max()
                                      ? "at least " + std::to_string(min)
                                      : "between " + std::to_string(min) + " and " + std::to_string(max);
        throw UsageError{prefix + " is not " + range};
    }
    return value;
}

double ParseDensity(std::string_view option, std::string_view text)
{
    double value = -1;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size() ||
        !(value >= 0 && value <= 1))
        throw UsageError{std::string(option) + ": '" + std::string(text) + "' is not a number from 0 to 1"};
    return value;
}

// The --style of a drawing: arced, complete or flat.
OrbitDisplayStyle ParseStyle(std::string_view text)
{
    if (text == "arced")
        return OrbitDisplayStyle::Arced;
    if (text == "complete")
        return OrbitDisplayStyle::Complete;
    if (text == "flat")
        return OrbitDisplayStyle::Flat;
    throw UsageError{"--style: unknown style '" + std::string(text) + "'"};
}

// An option switched on or off, as the settings hold it: -1 or 0.
std::int16_t ParseSwitch(std::string_view option, std::string_view text)
{
    if (text == "on")
        return -1;
    if (text == "off")
        return 0;
    throw UsageError{std::string(option) + ": '" + std::string(text) + "' is neither on nor off"};
}

SystemFormat ParseSystemFormat(std::string_view text)
{
    if (text == "text")
        return SystemFormat::Text;
    if (text == "json")
        return SystemFormat::Json;
    if (text == "csv")
        return SystemFormat::Csv;
    if (text == "md")
        return SystemFormat::Markdown;
    if (text == "kvn")
        return SystemFormat::Kvn;
    throw UsageError{"--format: unknown format '" + std::string(text) + "'"};
}

SystemCode ParseCode(std::string_view option, std::string_view text)
{
    std::string error;
    const std::optional<SystemCode> code = DecodeSystemCode(text, &error);
    if (!code)
        throw UsageError{std::string(option) + ": '" + std::string(text) +
                         "' is not a system code: " + error};
    return *code;
}

// The value of -o or --output for new: a path, or "" for standard output
// ("-"); an empty one is a UsageError rather than standard output.
std::string OutputArgument(std::string_view option, std::string_view value)
{
    if (value.empty())
        throw UsageError{std::string(option) + " needs a file name"};
    return value == "-" ? std::string() : std::string(value);
}

NewRequest ParseNew(const Arguments& arguments)
{
    NewRequest request;
    std::string generationOption; // the first option that --code leaves no room for
    arguments.ForEach(
        [&](std::string_view name, std::string_view value) {
            if (name == "--count" || name == "--seed" || name == "--life-support" || name == "--biozone")
                if (generationOption.empty())
                    generationOption = std::string(name);
            if (name == "--count")
                request.count = ParseNumber<std::uint64_t>(name, value, 1, UINT64_MAX);
            else if (name == "--seed")
                request.seed = ParseNumber<std::uint64_t>(name, value, 0, UINT64_MAX);
            else if (name == "--life-support")
                request.lifeSupport = static_cast<LifeSupportLevel>(
                    ParseNumber<std::int16_t>(name, value, std::int16_t(LifeSupportLevel::Poor),
                                              std::int16_t(LifeSupportLevel::Excellent)));
            else if (name == "--biozone")
                request.biozone = static_cast<BiozoneWidth>(ParseNumber<std::int16_t>(
                    name, value, std::int16_t(BiozoneWidth::Normal), std::int16_t(BiozoneWidth::Triple)));
            else if (name == "--code")
                request.code = ParseCode(name, value);
            else if (name == "--format")
                request.format = ParseSystemFormat(value);
            else if (name == "-o" || name == "--output")
                request.outputPath = OutputArgument(name, value);
            else
                UnknownOption(name);
        },
        UnexpectedArgument);
    // A code fixes the system and its options: nothing else may choose them.
    if (request.code && !generationOption.empty())
        throw UsageError{"--code makes one system with the options it holds; " + generationOption +
                         " cannot go with it"};
    return request;
}

ShowRequest ParseShow(const Arguments& arguments)
{
    ShowRequest request;
    arguments.ForEach(
        [&](std::string_view name, std::string_view value) {
            if (name == "--format")
                request.format = ParseSystemFormat(value);
            else
                UnknownOption(name);
        },
        TakeOneFile(request.path));
    if (request.path.empty())
        throw UsageError{"show needs a FILE"};
    return request;
}

ConvertRequest ParseConvert(const Arguments& arguments)
{
    std::vector<std::string> paths;
    arguments.ForEach([](std::string_view name, std::string_view) { UnknownOption(name); },
                      [&](std::string_view text) { paths.emplace_back(text); });
    if (paths.size() != 2)
        throw UsageError{"convert needs IN and OUT"};
    return {paths[0], paths[1]};
}

// The extension of path in lower case, "" when its last part has none.
std::string LowerExtension(const std::string& path)
{
    std::string extension;
    if (const auto dot = path.rfind('.');
        dot != std::string::npos && path.find('/', dot) == std::string::npos)
        extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

ImageFormat ParseImageFormat(std::string_view text)
{
    if (text == "png")
        return ImageFormat::Png;
    if (text == "svg")
        return ImageFormat::Svg;
    throw UsageError{"--format: unknown image format '" + std::string(text) + "'"};
}

RenderRequest ParseRender(const Arguments& arguments)
{
    RenderRequest request;
    bool orbitLines = true;
    bool whiteOrbits = false;
    bool thickOrbits = false;
    std::optional<ImageFormat> format;
    arguments.ForEach(
        [&](std::string_view name, std::string_view value) {
            if (name == "-o" || name == "--output")
                request.outputPath = std::string(value);
            else if (name == "--format")
                format = ParseImageFormat(value);
            else if (name == "--style")
                request.settings.OrbitDisplay = ParseStyle(value);
            else if (name == "--size")
                request.size = ParseNumber<int>(name, value, RenderRequest::MinSize, RenderRequest::MaxSize);
            else if (name == "--orbit-lines")
                orbitLines = ParseSwitch(name, value) != 0;
            else if (name == "--white-orbits")
                whiteOrbits = ParseSwitch(name, value) != 0;
            else if (name == "--thick-orbits")
                thickOrbits = ParseSwitch(name, value) != 0;
            else
                UnknownOption(name);
        },
        TakeOneFile(request.inputPath));
    if (request.inputPath.empty())
        throw UsageError{"render: no system file given"};
    if (request.outputPath.empty())
        throw UsageError{"render: no output given (-o OUT.png or -o OUT.svg)"};
    // --format chooses; else the file's extension, and PNG for standard output.
    const std::string extension = LowerExtension(request.outputPath);
    if (format)
        request.format = *format;
    else if (extension == ".png" || request.outputPath == "-")
        request.format = ImageFormat::Png;
    else if (extension == ".svg")
        request.format = ImageFormat::Svg;
    else
        throw UsageError{"-o: '" + request.outputPath + "' does not end in .png or .svg"};
    request.settings.VisibleOrbits = orbitLines ? -1 : 0;
    request.settings.WhiteOrbits = whiteOrbits ? -1 : 0;
    request.settings.OrbitPenWidth = thickOrbits ? 2 : 1;
    return request;
}

bool EndsInPdf(const std::string& path)
{
    constexpr std::string_view extension = ".pdf";
    if (path.size() <= extension.size())
        return false;
    return std::equal(
        extension.begin(), extension.end(), path.end() - static_cast<long>(extension.size()),
        [](char wanted, char c) { return wanted == std::tolower(static_cast<unsigned char>(c)); });
}

ReportRequest ParseReport(const Arguments& arguments)
{
    ReportRequest request;
    arguments.ForEach(
        [&](std::string_view name, std::string_view value) {
            if (name == "-o" || name == "--output")
                request.outputPath = std::string(value);
            else if (name == "--style")
                request.settings.OrbitDisplay = ParseStyle(value);
            else if (name == "--grey-for-black")
                request.settings.SwapBW = ParseSwitch(name, value);
            else if (name == "--colored-text")
                request.settings.ColorText = ParseSwitch(name, value);
            else
                UnknownOption(name);
        },
        TakeOneFile(request.inputPath));
    if (request.inputPath.empty())
        throw UsageError{"report: no system file given"};
    if (request.outputPath.empty())
        throw UsageError{"report: no output given (-o OUT.pdf)"};
    if (request.outputPath != "-" && !EndsInPdf(request.outputPath))
        throw UsageError{"-o: '" + request.outputPath + "' does not end in .pdf"};
    return request;
}

SectorRequest ParseSector(const Arguments& arguments)
{
    SectorRequest request;
    SectorOptions& options = request.options;
    arguments.ForEach(
        [&](std::string_view name, std::string_view value) {
            if (name == "--seed")
                request.seed = ParseNumber<std::uint64_t>(name, value, 0, UINT64_MAX);
            else if (name == "--width")
                options.width = ParseNumber<int>(name, value, 1, SectorOptions::MaxWidth);
            else if (name == "--height")
                options.height = ParseNumber<int>(name, value, 1, SectorOptions::MaxHeight);
            else if (name == "--density")
                options.density = ParseDensity(name, value);
            else if (name == "--life-support")
                options.lifeSupport =
                    static_cast<LifeSupportLevel>(ParseNumber<std::int16_t>(name, value, 1, 4));
            else if (name == "--biozone")
                options.biozone = static_cast<BiozoneWidth>(ParseNumber<std::int16_t>(name, value, 1, 3));
            else if (name == "--book")
                request.book = ParseSwitch(name, value) != 0;
            else if (name == "-o" || name == "--output")
                request.folder = std::string(value);
            else
                UnknownOption(name);
        },
        UnexpectedArgument);
    if (request.folder.empty())
        throw UsageError{"sector: no output folder given (-o DIR)"};
    if (request.folder == "-")
        throw UsageError{"sector: a sector is a folder of files; -o - cannot name one"};
    if (request.seed)
        options.seed = *request.seed;
    return request;
}

// The HEX of note, "CCRR".
HexNumber ParseHex(std::string_view text)
{
    const std::optional<HexNumber> hex = ParseHexNumber(text);
    if (!hex)
        throw UsageError{"note: '" + std::string(text) + "' is not a hex number (CCRR, as 0304)"};
    return *hex;
}

NoteRequest ParseNote(const Arguments& arguments)
{
    NoteRequest request;
    std::vector<std::string> given;
    arguments.ForEach(
        [&](std::string_view name, std::string_view) {
            if (name == "--get")
                request.get = true;
            else
                UnknownOption(name);
        },
        [&](std::string_view text) {
            if (given.size() == 3)
                UnexpectedArgument(text);
            given.emplace_back(text);
        });
    if (given.size() < 2)
        throw UsageError{"note needs a sector's folder DIR and a HEX"};
    request.folder = given[0];
    request.hex = ParseHex(given[1]);
    if (given.size() == 3) {
        if (request.get)
            throw UsageError{"note: --get reads the notes; TEXT cannot go with it"};
        if (given[2] != "-")
            request.text = given[2];
    }
    return request;
}

RenameRequest ParseRename(const Arguments& arguments)
{
    std::vector<std::string> given;
    arguments.ForEach([](std::string_view name, std::string_view) { UnknownOption(name); },
                      [&](std::string_view text) { given.emplace_back(text); });
    if (given.size() != 2)
        throw UsageError{"rename needs a sector's folder DIR and a NAME"};
    return {given[0], given[1]};
}

VaultRequest ParseVault(const Arguments& arguments)
{
    VaultRequest request;
    arguments.ForEach(
        [&](std::string_view name, std::string_view value) {
            if (name == "-o" || name == "--output")
                request.output = std::string(value);
            else
                UnknownOption(name);
        },
        TakeOneFile(request.folder));
    if (request.folder.empty())
        throw UsageError{"vault needs a sector's folder DIR"};
    if (request.output.empty())
        throw UsageError{"vault: no output folder given (-o OUT)"};
    if (request.output == "-")
        throw UsageError{"vault: a vault is a folder of notes; -o - cannot name one"};
    return request;
}

CliRequest ParseCommand(std::string_view command, const Arguments& arguments)
{
    if (command == "new")
        return ParseNew(arguments);
    if (command == "show")
        return ParseShow(arguments);
    if (command == "convert")
        return ParseConvert(arguments);
    if (command == "render")
        return ParseRender(arguments);
    if (command == "report")
        return ParseReport(arguments);
    if (command == "sector")
        return ParseSector(arguments);
    if (command == "note")
        return ParseNote(arguments);
    if (command == "rename")
        return ParseRename(arguments);
    if (command == "vault")
        return ParseVault(arguments);
    throw UsageError{"unknown command '" + std::string(command) + "'"};
}

} // namespace

std::string CliUsage(std::string_view command)
{
    std::string out;
    for (const Synopsis& synopsis : Synopses)
        if (command.empty() || synopsis.command == command)
            AppendSynopsis(out, synopsis, out.empty());
    return out;
}

CliRequest ParseCommandLine(int argc, char** argv, std::span<const CliCommand> commands)
{
    try {
        if (argc < 2)
            throw UsageError{"no command given"};
        const std::string command = argv[1];
        if (command == "-h" || command == "--help" || command == "help")
            return PrintRequest{CliUsage()};
        if (command == "--version")
            return PrintRequest{"kelvane-cli " + VersionText() + "\n"};
        const Arguments arguments(argc, argv, 2);
        if (arguments.AsksForHelp() && !CliUsage(command).empty())
            return PrintRequest{CliUsage(command)};
        const auto known = std::find_if(commands.begin(), commands.end(),
                                        [&](const CliCommand& each) { return each.name == command; });
        if (known == commands.end())
            throw UsageError{"unknown command '" + command + "'"};
        if (known->run == nullptr)
            return HandOnRequest{command};
        return ParseCommand(command, arguments);
    } catch (UsageError& error) {
        return std::move(error);
    }
}

} // namespace kelvane
