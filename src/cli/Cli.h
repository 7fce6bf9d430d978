#pragma once

#include <span>
#include <string_view>

#include "cli/CliRequest.h"

namespace kelvane {

// One command of kelvane-cli: its name, and what carries out its request and
// gives the exit code. A command without run is handed on whole: its
// arguments are not read here, and the request is a HandOnRequest.
struct CliCommand {
    std::string_view name;
    int (*run)(const CliRequest& request);
};

// Reads the process's arguments into the request they make, without any
// input or output: help, the version and the usage of every command are
// answered whatever the commands; a command not among commands is unknown.
CliRequest ParseCommandLine(int argc, char** argv, std::span<const CliCommand> commands);

// Runs kelvane-cli with the process's arguments and the commands given;
// returns the exit code (0 success, 1 a file could not be read, loaded or
// written, 2 bad usage). A command handed on runs in the Qt helper.
int RunCli(int argc, char** argv, std::span<const CliCommand> commands);

} // namespace kelvane
