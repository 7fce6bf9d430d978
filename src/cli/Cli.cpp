#include "cli/Cli.h"

#include <cstdio>
#include <string>

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
    {"render", "FILE -o OUT.png|OUT.svg [--style arced|complete|flat] [--size PX]",
     "[--orbit-lines on|off] [--white-orbits on|off] [--thick-orbits on|off]"},
    {"report", "FILE -o OUT.pdf [--style arced|complete|flat] [--grey-for-black on|off]",
     "[--colored-text on|off]"},
    {"sector", "[--seed S] [--width 1-64] [--height 1-80] [--density 0-1]",
     "[--life-support 1-4] [--biozone 1-3] -o DIR"},
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

// The usage of one command, or of them all when command names none.
std::string Usage(std::string_view command = {})
{
    std::string out;
    for (const Synopsis& synopsis : Synopses)
        if (command.empty() || synopsis.command == command)
            AppendSynopsis(out, synopsis, out.empty());
    return out;
}

} // namespace

int RunCli(int argc, char** argv, std::span<const CliCommand> commands)
{
    try {
        if (argc < 2)
            throw UsageError{"no command given"};
        const std::string command = argv[1];
        if (command == "-h" || command == "--help" || command == "help") {
            std::fputs(Usage().c_str(), stdout);
            return ExitOk;
        }
        if (command == "--version") {
            std::printf("kelvane-cli %s\n", VersionText().c_str());
            return ExitOk;
        }
        const Arguments arguments(argc, argv, 2);
        if (arguments.AsksForHelp() && !Usage(command).empty()) {
            std::fputs(Usage(command).c_str(), stdout);
            return ExitOk;
        }
        for (const CliCommand& known : commands)
            if (known.name == command)
                return known.run(arguments);
        throw UsageError{"unknown command '" + command + "'"};
    } catch (const UsageError& error) {
        std::fprintf(stderr, "kelvane-cli: %s\n%s", error.reason.c_str(), Usage().c_str());
        return ExitUsage;
    }
}

} // namespace kelvane
