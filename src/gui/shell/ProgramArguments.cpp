#include "gui/shell/ProgramArguments.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string_view>

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

// Qt's options that take the next argument as their value, and those that
// stand alone; Qt takes each with one dash or two, and the first kind as
// -name=value too.
constexpr std::string_view QtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qmljsdebugger",
    "qwindowgeometry",
    "geometry",
    "qwindowtitle",
    "title",
    "qwindowicon",
    "icon",
    "style",
    "stylesheet",
    "session",
    "display",
    "name",
    "font",
    "fn",
    "bg",
    "background",
    "fg",
    "foreground",
    "btn",
    "button",
};
constexpr std::string_view QtOptionsAlone[] = {"reverse", "widgetcount", "nograb",
                                               "dograb",  "sync",        "testability"};

template <std::size_t N> bool IsOneOf(std::string_view name, const std::string_view (&names)[N])
{
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

} // namespace

ProgramArguments ProgramArguments::ParseBeforeQt(const std::vector<std::string>& arguments,
                                                 const std::string& folder)
{
    std::vector<std::string> own;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            own.insert(own.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
            break;
        }
        std::string_view name = argument;
        if (name.size() < 2 || name[0] != '-') {
            own.push_back(argument);
            continue;
        }
        name.remove_prefix(name.substr(0, 2) == "--" ? 2 : 1);
        if (IsOneOf(name, QtOptionsAlone))
            continue;
        const std::size_t equals = name.find('=');
        if (equals != std::string_view::npos && IsOneOf(name.substr(0, equals), QtOptionsWithValue))
            continue;
        if (IsOneOf(name, QtOptionsWithValue)) {
            ++i; // and its value
            continue;
        }
        own.push_back(argument);
    }
    return Parse(own, folder);
}

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
