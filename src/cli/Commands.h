#pragma once

#include "cli/CliSupport.h"

namespace kelvane {

// The commands of kelvane-cli. Each takes the arguments after its name and
// returns the exit code; a wrong command line throws UsageError.

// new [--count N] [--seed S] [--life-support 1-4] [--biozone 1-3]
//     [--format text|json|csv] [-o FILE]
int NewCommand(const Arguments& arguments);

} // namespace kelvane
