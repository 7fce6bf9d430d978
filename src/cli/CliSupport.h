#pragma once

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/AppState.h"
#include "platform/AtomicFile.h"
#include "platform/UserDecimalSeparator.h"

namespace kelvane {

// Exit codes of kelvane-cli.
enum CliExit : int {
    ExitOk = 0,
    ExitFailure = 1, // a file could not be read, loaded or written
    ExitUsage = 2,   // the command line was wrong
};

// A wrong command line: the reason goes to stderr with the usage.
struct UsageError {
    std::string reason;
};

// The arguments after the command. Options take a value, as "--name value"
// or "--name=value"; anything else is a positional argument.
class Arguments {
public:
    Arguments(int argc, char** argv, int first);

    // Calls option(name, value) for every option and positional(text) for
    // every other argument, in order. Throws UsageError for an option
    // without its value.
    template <typename OnOption, typename OnPositional>
    void ForEach(OnOption option, OnPositional positional) const;

    // True when -h or --help stands where an option may: the command then
    // only prints its usage. "-o -h" names a file, as ForEach reads it.
    bool AsksForHelp() const;

    // The whole command line as the process got it, program name first and
    // ending in a null pointer: for a command carried out by another program.
    char** CommandLine() const { return m_argv; }

private:
    char** m_argv;
    std::vector<std::string_view> m_items;
};

// A positional handler for Arguments::ForEach that takes the one FILE a
// command reads into target and refuses a second argument.
inline auto TakeOneFile(std::string& target)
{
    return [&target](std::string_view text) {
        if (!target.empty())
            throw UsageError{"unexpected argument '" + std::string(text) + "'"};
        target = std::string(text);
    };
}

// The value of -o or --output: a path; an empty one is a UsageError rather
// than standard output.
inline std::string OutputArgument(std::string_view option, std::string_view value)
{
    if (value.empty())
        throw UsageError{std::string(option) + " needs a file name"};
    return std::string(value);
}

// A whole number between min and max, or a UsageError naming the option.
template <typename Int> Int ParseNumber(std::string_view option, std::string_view text, Int min, Int max);

// Where a command's output goes: standard output, or a file that appears only
// when it has been written completely, through AtomicFileWriter. Output is
// buffered and written in large pieces, so a long run streams in constant
// memory.
class Output {
public:
    explicit Output(std::string path) : m_path(std::move(path)) {}

    std::string& Buffer() { return m_buffer; }

    // Opens the file; false when it cannot be, with the reason in Error().
    bool Open();
    // Writes the buffer out once it has grown past a threshold.
    bool FlushIfFull() { return m_buffer.size() < (1u << 20) || Flush(); }
    bool Flush();
    // Writes what is left and puts the file in place.
    bool Close();

    const std::string& Error() const { return m_error; }
    std::string Name() const { return m_path.empty() ? "standard output" : m_path; }

private:
    std::string m_path;
    std::string m_buffer;
    std::string m_error;
    AtomicFileWriter m_file;
};

// The --style of a drawing: arced, complete or flat.
OrbitDisplayStyle ParseStyle(std::string_view text);

// An option switched on or off, as the settings hold it: -1 or 0.
std::int16_t ParseSwitch(std::string_view option, std::string_view text);

// Prints "kelvane-cli: NAME: reason" on stderr and returns ExitFailure.
int ReportFailure(const std::string& name, const std::string& reason);

// Loads the system file at path into app as the program's Load does, with
// the user's decimal separator. On failure prints "kelvane-cli: PATH: reason"
// and gives false.
bool LoadSystemArgument(AppState& app, const std::string& path);

// ---- templates ----

template <typename OnOption, typename OnPositional>
void Arguments::ForEach(OnOption option, OnPositional positional) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        std::string_view item = m_items[i];
        if (item.size() < 2 || item[0] != '-') {
            positional(item);
            continue;
        }
        std::string_view value;
        if (const auto eq = item.find('='); eq != std::string_view::npos && item.starts_with("--")) {
            value = item.substr(eq + 1);
            item = item.substr(0, eq);
        } else {
            if (i + 1 >= m_items.size())
                throw UsageError{std::string(item) + " needs a value"};
            value = m_items[++i];
        }
        option(item, value);
    }
}

template <typename Int> Int ParseNumber(std::string_view option, std::string_view text, Int min, Int max)
{
    Int value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec == std::errc::invalid_argument || result.ptr != text.data() + text.size())
        throw UsageError{std::string(option) + ": '" + std::string(text) + "' is not a whole number"};
    const std::string prefix = std::string(option) + ": " + std::string(text);
    if (result.ec == std::errc::result_out_of_range && max == std::numeric_limits<Int>::max())
        throw UsageError{prefix + " is too large"};
    if (result.ec == std::errc::result_out_of_range || value < min || value > max) {
        const std::string range = max == std::numeric_limits<Int>::max()
                                      ? "at least " + std::to_string(min)
                                      : "between " + std::to_string(min) + " and " + std::to_string(max);
        throw UsageError{prefix + " is not " + range};
    }
    return value;
}

} // namespace kelvane
