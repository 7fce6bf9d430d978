#pragma once

#include <string>
#include <vector>

namespace kelvane {

// What the desktop program's command line asks for: kelvane [FILE], with
// -h/--help and --version. Qt takes its own options (-platform, -style, ...)
// out of the command line before this reads it.
struct ProgramArguments {
    enum class Action {
        Run,     // start; with file, load it once started
        Help,    // print text on standard output and stop
        Version, // likewise
        Error,   // print text on standard error and stop with status 2
    };

    Action action = Action::Run;
    // The system file to open, as an absolute path; empty for none.
    std::string file;
    // The help, the version line or the reason with the usage.
    std::string text;

    // arguments are those after the program's name. A relative FILE is taken
    // from folder (the current folder), so that the program can show where
    // the file it loaded lives wherever it was started from.
    static ProgramArguments Parse(const std::vector<std::string>& arguments, const std::string& folder);

    // The same, on the whole command line before Qt has seen it: Qt's own
    // options and their values are passed over, so that help, the version
    // and a wrong command line are answered without a display.
    static ProgramArguments ParseBeforeQt(const std::vector<std::string>& arguments,
                                          const std::string& folder);
};

} // namespace kelvane
