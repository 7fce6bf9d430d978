#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/CliRequest.h"
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

// Where a command's output goes: standard output (path "" or "-"), or a file
// that appears only when it has been written completely, through
// AtomicFileWriter. Output is
// buffered and written in large pieces, so a long run streams in constant
// memory.
class Output {
public:
    explicit Output(std::string path) : m_path(path == "-" ? std::string() : std::move(path)) {}

    std::string& Buffer() { return m_buffer; }

    // Opens the file; false when it cannot be, with the reason in Error().
    bool Open();
    // Writes the buffer out once it has grown past FlushSize.
    bool FlushIfFull() { return m_buffer.size() < FlushSize || Flush(); }
    bool Flush();
    // Writes what is left and puts the file in place.
    bool Close();

    const std::string& Error() const { return m_error; }
    std::string Name() const { return m_path.empty() ? "standard output" : m_path; }

private:
    static constexpr std::size_t FlushSize = std::size_t{1} << 20;

    std::string m_path;
    std::string m_buffer;
    std::string m_error;
    AtomicFileWriter m_file;
};

// Prints "kelvane-cli: NAME: reason" on stderr and returns ExitFailure.
int ReportFailure(const std::string& name, const std::string& reason);

// The name of an input argument in messages: "standard input" for "-".
std::string InputName(const std::string& path);

// Reads the whole input a command's FILE names, once: "-" is standard input,
// and pipes and devices (/dev/stdin) are read as files are. On failure prints
// "kelvane-cli: NAME: reason" and gives false.
bool ReadInputArgument(const std::string& path, std::string& bytes);

// Loads a system into app as the program's Load does, with the user's
// decimal separator: from bytes already read from path, or from the input
// path names (ReadInputArgument). On failure prints "kelvane-cli: NAME:
// reason" and gives false.
// The system JSON that new and show write (a JSON object with the system's
// keys, or an array of them) is read as the system or, as an array, must
// hold exactly one.
bool LoadSystemBytes(AppState& app, const std::string& path, const std::string& bytes);
bool LoadSystemArgument(AppState& app, const std::string& path);

// Every system of system JSON bytes read from path (ReadSystemJsonList).
// Prints the reader's notes on stderr as "kelvane-cli: NAME: note"; on a
// refusal prints "kelvane-cli: NAME: path: reason" and gives false.
bool ReadSystemJsonBytes(std::vector<StarSystem>& systems, const std::string& path, const std::string& bytes);

} // namespace kelvane
