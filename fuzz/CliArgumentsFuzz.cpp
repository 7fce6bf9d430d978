// Feeds arbitrary command lines to kelvane-cli's argument reader, which must
// turn every one into a request or a usage error (never an exception or a
// crash), and checks that a request holds only what the usage allows.
//
// Input: the arguments after the program's name, each ended by a zero byte
// (the last one needs none), at most MaxArguments of them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/Cli.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

constexpr std::size_t MaxArguments = 24;

// Never run: the reader only looks at whether a command has a run.
int Unused(const kelvane::CliRequest& /*request*/)
{
    __builtin_trap();
}

bool EndsIn(const std::string& path, std::string_view extension)
{
    if (path.size() < extension.size())
        return false;
    for (std::size_t i = 0; i < extension.size(); ++i) {
        const char c = path[path.size() - extension.size() + i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != extension[i])
            return false;
    }
    return true;
}

void Check(const kelvane::CliRequest& request, std::string_view command)
{
    using namespace kelvane;
    if (const auto* error = std::get_if<UsageError>(&request)) {
        Require(!error->reason.empty());
    } else if (const auto* print = std::get_if<PrintRequest>(&request)) {
        Require(print->text.starts_with("usage: kelvane-cli ") || print->text.starts_with("kelvane-cli "));
        Require(print->text.ends_with('\n'));
    } else if (const auto* handOn = std::get_if<HandOnRequest>(&request)) {
        Require(handOn->command == command);
    } else if (const auto* made = std::get_if<NewRequest>(&request)) {
        Require(command == "new" && made->count >= 1);
        Require(!made->code || (made->count == 1 && !made->seed));
        Require(made->lifeSupport >= LifeSupportLevel::Poor &&
                made->lifeSupport <= LifeSupportLevel::Excellent);
        Require(made->biozone >= BiozoneWidth::Normal && made->biozone <= BiozoneWidth::Triple);
    } else if (const auto* show = std::get_if<ShowRequest>(&request)) {
        Require(command == "show" && !show->path.empty());
    } else if (std::holds_alternative<ConvertRequest>(request)) {
        Require(command == "convert");
    } else if (const auto* render = std::get_if<RenderRequest>(&request)) {
        Require(command == "render" && !render->inputPath.empty());
        Require(render->size >= RenderRequest::MinSize && render->size <= RenderRequest::MaxSize);
        // "-" is standard output, in whichever format was asked for.
        Require(render->outputPath == "-" ||
                EndsIn(render->outputPath, render->format == ImageFormat::Png ? ".png" : ".svg"));
    } else if (const auto* report = std::get_if<ReportRequest>(&request)) {
        Require(command == "report" && !report->inputPath.empty() &&
                (report->outputPath == "-" || EndsIn(report->outputPath, ".pdf")));
    } else if (const auto* sector = std::get_if<SectorRequest>(&request)) {
        Require(command == "sector" && !sector->folder.empty());
        Require(CheckSectorOptions(sector->options).empty());
    } else if (const auto* note = std::get_if<NoteRequest>(&request)) {
        Require(command == "note" && !(note->get && note->text));
        Require(note->hex.column >= 0 && note->hex.row >= 0);
    } else if (std::holds_alternative<RenameRequest>(request)) {
        Require(command == "rename");
    } else if (const auto* vault = std::get_if<VaultRequest>(&request)) {
        Require(command == "vault" && !vault->folder.empty() && !vault->output.empty() &&
                vault->output != "-");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kelvane;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> arguments{"kelvane-cli"};
    while (!input.empty() && arguments.size() <= MaxArguments) {
        const std::size_t end = input.find('\0');
        arguments.emplace_back(input.substr(0, end));
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    }
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(arguments.size());
    const std::string_view command = argc > 1 ? std::string_view(arguments[1]) : std::string_view();

    // Every command read here, as kelvane-cli-qt and the tests see them...
    static constexpr CliCommand all[] = {{"new", Unused},    {"show", Unused},   {"convert", Unused},
                                         {"render", Unused}, {"report", Unused}, {"sector", Unused},
                                         {"note", Unused},   {"rename", Unused}, {"vault", Unused}};
    Check(ParseCommandLine(argc, argv.data(), all), command);
    // ...and as kelvane-cli has them, the Qt ones handed on unread.
    static constexpr CliCommand handingOn[] = {{"new", Unused},     {"show", Unused},    {"convert", Unused},
                                               {"render", nullptr}, {"report", nullptr}, {"sector", nullptr},
                                               {"note", nullptr},   {"rename", nullptr}, {"vault", Unused}};
    const CliRequest request = ParseCommandLine(argc, argv.data(), handingOn);
    Check(request, command);
    if (command == "render" || command == "report" || command == "sector" || command == "note" ||
        command == "rename")
        Require(
            !std::holds_alternative<NewRequest>(request) && !std::holds_alternative<RenderRequest>(request) &&
            !std::holds_alternative<ReportRequest>(request) &&
            !std::holds_alternative<SectorRequest>(request) &&
            !std::holds_alternative<NoteRequest>(request) && !std::holds_alternative<RenameRequest>(request));
    return 0;
}
