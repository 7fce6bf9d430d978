#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/model/SystemCode.h"
#include "core/sector/Sector.h"
#include "core/settings/AppSettings.h"

namespace kelvane {

// What a kelvane-cli command line asks for, read from the arguments alone:
// no file is looked at and nothing is printed until it is carried out.

// The ways a system is printed; Kvn is the system file's tagged text.
enum class SystemFormat { Text, Json, Csv, Markdown, Kvn };

// A wrong command line: the reason goes to stderr with the usage.
struct UsageError {
    std::string reason;
};

// Help or the version: text for standard output, and nothing else to do.
struct PrintRequest {
    std::string text;
};

// A command that another program carries out with the whole command line
// (render, report and sector, in kelvane-cli-qt).
struct HandOnRequest {
    std::string command;
};

// new [--count N] [--seed S] [--life-support 1-4] [--biozone 1-3]
//     [--format text|json|csv|md|kvn] [-o FILE|DIR]
// new --code CODE [--format text|json|csv|md|kvn] [-o FILE]
struct NewRequest {
    std::uint64_t count = 1;
    std::optional<std::uint64_t> seed;
    LifeSupportLevel lifeSupport = LifeSupportLevel::Average;
    BiozoneWidth biozone = BiozoneWidth::Normal;
    std::optional<SystemCode> code;
    SystemFormat format = SystemFormat::Text;
    std::string outputPath; // empty: standard output
};

// show FILE [--format text|json|csv|md|kvn]
struct ShowRequest {
    std::string path;
    SystemFormat format = SystemFormat::Text;
};

// convert IN OUT
struct ConvertRequest {
    std::string inputPath;
    std::string outputPath;
};

enum class ImageFormat { Png, Svg };

// render FILE -o OUT.png|OUT.svg|- [--format png|svg] [--style arced|complete|flat] [--size PX]
//        [--orbit-lines on|off] [--white-orbits on|off] [--thick-orbits on|off]
// The switches are already in settings (VisibleOrbits, WhiteOrbits,
// OrbitPenWidth), and the style in OrbitDisplay.
struct RenderRequest {
    static constexpr int DefaultSize = 800;
    static constexpr int MinSize = 16;
    static constexpr int MaxSize = 8192;

    std::string inputPath;
    std::string outputPath;
    ImageFormat format = ImageFormat::Png; // --format, else outputPath's extension; PNG for "-"
    int size = DefaultSize;
    AppSettings settings;
};

// report FILE -o OUT.pdf|- [--style arced|complete|flat] [--grey-for-black on|off]
//        [--colored-text on|off]
struct ReportRequest {
    std::string inputPath;
    std::string outputPath; // "-": standard output
    AppSettings settings;
};

// sector [--seed S] [--width 1-64] [--height 1-80] [--density 0-1]
//        [--life-support 1-4] [--biozone 1-3] [--book on|off] -o DIR
// Without --seed, the seed is drawn when the command is carried out;
// options.seed is then not used.
struct SectorRequest {
    SectorOptions options;
    std::optional<std::uint64_t> seed;
    std::string folder;
    // Whether sector.pdf is written: only when asked for.
    bool book = false;
};

// note DIR HEX [TEXT|-]
// note DIR HEX --get
struct NoteRequest {
    std::string folder;
    HexNumber hex;
    // The hex's new notes (empty takes them away); none: from standard input.
    std::optional<std::string> text;
    // Prints the notes instead.
    bool get = false;
};

// rename DIR NAME
struct RenameRequest {
    std::string folder;
    std::string name;
};

// vault DIR -o OUT
struct VaultRequest {
    std::string folder;
    std::string output;
};

using CliRequest =
    std::variant<UsageError, PrintRequest, HandOnRequest, NewRequest, ShowRequest, ConvertRequest,
                 RenderRequest, ReportRequest, SectorRequest, NoteRequest, RenameRequest, VaultRequest>;

// The usage of one command, or of them all when command names none; empty
// for a command that does not exist.
std::string CliUsage(std::string_view command = {});

} // namespace kelvane
