#include "gui/shell/ProgramArguments.h"

#include <filesystem>

#include "core/Version.h"

namespace kelvane {

namespace {

constexpr const char* Usage =
    "usage: kelvane [FILE]\n"
    "Starts Kelvane. With FILE, a system file, loads it once the program has started, as\n"
    "File > Load does.\n"
    "\n"
    "  -h, --help     print this help and stop\n"
    "      --version  print the version and stop\n"
    "\n"
    "Qt's own options, such as -platform NAME and -style NAME, are taken too.\n";

ProgramArguments Failed(const std::string& reason)
{
    return {ProgramArguments::Action::Error, {}, "kelvane: " + reason + "\n" + Usage};
}

} // namespace

ProgramArguments ProgramArguments::Parse(const std::vector<std::string>& arguments, const std::string& folder)
{
    std::vector<std::string> files;
    bool optionsEnd = false;
    for (const std::string& argument : arguments) {
        if (optionsEnd || argument.size() < 2 || argument[0] != '-') {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnd = true;
        } else if (argument == "-h" || argument == "--help") {
            return {Action::Help, {}, Usage};
        } else if (argument == "--version") {
            return {Action::Version,
                    {},
                    "kelvane " + std::to_string(VersionMajor) + "." + std::to_string(VersionMinor) + " b" +
                        std::to_string(VersionRevision) + "\n"};
        } else {
            return Failed("unknown option '" + argument + "'");
        }
    }
    if (files.size() > 1)
        return Failed("one FILE at most; '" + files[1] + "' is one too many");
    ProgramArguments result;
    if (files.empty() || files.front().empty())
        return result;
    // "." steps go; ".." stays, since after a symbolic link it need not lead
    // back where it came from.
    std::filesystem::path path;
    for (const std::filesystem::path& step : std::filesystem::path(folder) / files.front())
        if (step != "." && !step.empty())
            path /= step;
    result.file = path.string();
    return result;
}

} // namespace kelvane
