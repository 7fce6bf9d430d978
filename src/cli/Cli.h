#pragma once

namespace kelvane {

// Exit codes of kelvane-cli.
enum CliExit : int {
    ExitOk = 0,
    ExitFailure = 1, // a file could not be read or written
    ExitUsage = 2,   // the command line was wrong
};

// Runs kelvane-cli with the process's arguments; returns the exit code.
int RunCli(int argc, char** argv);

} // namespace kelvane
