#pragma once

#include <span>
#include <string_view>

#include "cli/CliSupport.h"

namespace kelvane {

// One command of kelvane-cli: its name, and what carries it out and gives
// the exit code.
struct CliCommand {
    std::string_view name;
    int (*run)(const Arguments& arguments);
};

// Runs kelvane-cli with the process's arguments and the commands given;
// returns the exit code (0 success, 1 a file could not be read, loaded or
// written, 2 bad usage). Help, the version and the usage of every command
// are answered here, whatever the commands.
int RunCli(int argc, char** argv, std::span<const CliCommand> commands);

} // namespace kelvane
