#pragma once

#include "cli/CliSupport.h"

namespace kelvane {

// render and report paint with Qt. They live in a helper program,
// kelvane-cli-qt, so that kelvane-cli itself loads no Qt library and the
// commands that need none start at once.

// The helper's file name.
inline constexpr const char* QtHelperName = "kelvane-cli-qt";

// Carries out the command in the helper, given the whole command line as the
// process got it (program name first, ending in a null pointer): the process
// becomes the helper with the same command line, so its output and exit code
// are the command's. The
// helper is looked for beside the running program (a build folder, a copy of
// both in one folder), then where the install puts it relative to the
// program's folder (../libexec/kelvane from bin). Only when it cannot be
// found or started does this return, with "kelvane-cli: kelvane-cli-qt:
// reason" printed, and ExitFailure.
int RunInQtHelper(char** commandLine);

} // namespace kelvane
