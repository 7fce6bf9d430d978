#include "cli/Cli.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/CliSupport.h"
#include "cli/QtHelper.h"

namespace kelvane {

namespace {

int ReportUsageError(const UsageError& error)
{
    std::fprintf(stderr, "kelvane-cli: %s\n%s", error.reason.c_str(), CliUsage().c_str());
    return ExitUsage;
}

} // namespace

int RunCli(int argc, char** argv, std::span<const CliCommand> commands)
{
    const CliRequest request = ParseCommandLine(argc, argv, commands);
    if (const auto* error = std::get_if<UsageError>(&request))
        return ReportUsageError(*error);
    if (const auto* print = std::get_if<PrintRequest>(&request)) {
        std::fputs(print->text.c_str(), stdout);
        return ExitOk;
    }
    if (std::holds_alternative<HandOnRequest>(request))
        return RunInQtHelper(argv);
    // A command parsed is a command known with its run.
    const std::string_view command = argv[1];
    const auto known = std::find_if(commands.begin(), commands.end(),
                                    [&](const CliCommand& each) { return each.name == command; });
    try {
        return known->run(request);
    } catch (const UsageError& error) {
        // Only what a file holds can still make a command line wrong (show
        // of a sector's index in a format a sector has not).
        return ReportUsageError(error);
    }
}

} // namespace kelvane
