#pragma once

#include <string>

#include "cli/CliSupport.h"

namespace kelvane {

// render and report paint with Qt. They live in a helper program,
// kelvane-cli-qt, so that kelvane-cli itself loads no Qt library and the
// commands that need none start at once.

// The helper's file name.
inline constexpr const char* QtHelperName = "kelvane-cli-qt";

// Where the helper is, for the kelvane-cli at program: beside it (a build
// folder, a copy of both in one folder), else in the place the install puts
// it relative to the program's folder (../libexec/kelvane from bin). Empty
// when neither holds a program.
std::string FindQtHelper(const std::string& program);

// Carries out the command in the helper: the process becomes the helper with
// the same command line, so its output and exit code are the command's. Only
// when the helper cannot be found or started does it return, with
// "kelvane-cli: kelvane-cli-qt: reason" printed and ExitFailure.
int RunInQtHelper(const Arguments& arguments);

} // namespace kelvane
