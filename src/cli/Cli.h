#pragma once

namespace kelvane {

// Runs kelvane-cli with the process's arguments; returns the exit code
// (0 success, 1 a file could not be read, loaded or written, 2 bad usage).
int RunCli(int argc, char** argv);

} // namespace kelvane
