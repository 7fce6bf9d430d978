#include "cli/Cli.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/CliSupport.h"
#include "cli/QtHelper.h"

namespace kelvane {

namespace {

// The reason, and the usage of the command at fault, or of them all when
// no command was named or the one named does not exist.
int ReportUsageError(const UsageError& error, std::string_view command)
{
    std::string usage = CliUsage(command);
    if (usage.empty())
        usage = CliUsage();
    std::fprintf(stderr, "kelvane-cli: %s\n%s", error.reason.c_str(), usage.c_str());
    return ExitUsage;
}

} // namespace

int RunCli(int argc, char** argv, std::span<const CliCommand> commands)
{
    const CliRequest request = ParseCommandLine(argc, argv, commands);
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (const auto* error = std::get_if<UsageError>(&request))
        return ReportUsageError(*error, command);
    if (const auto* print = std::get_if<PrintRequest>(&request)) {
        std::fputs(print->text.c_str(), stdout);
        return ExitOk;
    }
    if (std::holds_alternative<HandOnRequest>(request))
        return RunInQtHelper(argv);
    // A command parsed is a command known with its run.
    const auto known = std::find_if(commands.begin(), commands.end(),
                                    [&](const CliCommand& each) { return each.name == command; });
    try {
        return known->run(request);
    } catch (const UsageError& error) {
        // Only what a file holds can still make a command line wrong (show
        // of a sector's index in a format a sector has not).
        return ReportUsageError(error, command);
    }
}

} // namespace kelvane
