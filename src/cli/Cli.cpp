#include "cli/Cli.h"

#include <cstdio>
#include <string>

#include "cli/Commands.h"
#include "cli/SectorCommand.h"

namespace kelvane {

namespace {

constexpr const char* Usage =
    "usage: kelvane-cli new [--count N] [--seed S] [--life-support 1-4] [--biozone 1-3]\n"
    "                       [--format text|json|csv|kvn] [-o FILE|DIR]\n"
    "       kelvane-cli show FILE [--format text|json|csv|kvn]\n"
    "       kelvane-cli convert IN OUT\n"
    "       kelvane-cli render FILE -o OUT.png|OUT.svg [--style arced|complete|flat] [--size PX]\n"
    "                          [--orbit-lines on|off] [--white-orbits on|off] [--thick-orbits on|off]\n"
    "       kelvane-cli report FILE -o OUT.pdf [--style arced|complete|flat] [--grey-for-black on|off]\n"
    "                          [--colored-text on|off]\n"
    "       kelvane-cli sector [--seed S] [--width 1-64] [--height 1-80] [--density 0-1]\n"
    "                          [--life-support 1-4] [--biozone 1-3] -o DIR\n";

} // namespace

int RunCli(int argc, char** argv)
{
    try {
        if (argc < 2)
            throw UsageError{"no command given"};
        const std::string command = argv[1];
        if (command == "-h" || command == "--help" || command == "help") {
            std::fputs(Usage, stdout);
            return ExitOk;
        }
        const Arguments arguments(argc, argv, 2);
        if (command == "new")
            return NewCommand(arguments);
        if (command == "show")
            return ShowCommand(arguments);
        if (command == "convert")
            return ConvertCommand(arguments);
        if (command == "render")
            return RenderCommand(arguments);
        if (command == "report")
            return ReportCommand(arguments);
        if (command == "sector")
            return SectorCommand(arguments);
        throw UsageError{"unknown command '" + command + "'"};
    } catch (const UsageError& error) {
        std::fprintf(stderr, "kelvane-cli: %s\n%s", error.reason.c_str(), Usage);
        return ExitUsage;
    }
}

} // namespace kelvane
