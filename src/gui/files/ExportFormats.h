#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/model/Codes.h"
#include "core/model/StarSystem.h"
#include "core/settings/AppSettings.h"

namespace kelvane {

// What every exported or copied form of the current system is made from.
struct ExportSource {
    const StarSystem& system;
    const AppSettings& settings;
    // The background the Orbital Display shows.
    Colour displayBackColor = 0;
    // The system's code as text; empty when it has none.
    std::string code;
    // The system's number in the run its code names (1 unless it is a later
    // system of a seeded run), as kelvane-cli's CSV numbers it.
    std::uint64_t runNumber = 1;
    char decimalSeparator = '.';
};

// The bytes of one form of the system; nothing when they cannot be made.
using ExportWriter = std::optional<std::string> (*)(const ExportSource& source);

// One entry of the Export dialog's filter list: the filter the user
// chooses, the extension added to a name that does not end in it, and the
// writer of the file's bytes.
struct ExportFormat {
    const char* filter;
    const char* extension;
    ExportWriter writer;
};

// The formats Edit > Export offers, in the dialog's order.
const std::vector<ExportFormat>& ExportFormats();

// One form that Edit > Copy as Text puts on the clipboard, by MIME type.
struct ClipboardTextFormat {
    const char* mimeType;
    ExportWriter writer;
};

// The forms Copy as Text puts on the clipboard together; with none the
// item is disabled.
const std::vector<ClipboardTextFormat>& ClipboardTextFormats();

// The side, in pixels, of the square pictures that Export writes and Copy
// Picture copies: kelvane-cli render's size unless told otherwise.
constexpr int ExportPictureSize = 800;

// The Orbital Display as kelvane-cli render draws it for the same system and
// display options: drawn afresh with asteroid dots from a source seeded the
// same every time, so a system always exports to the same bytes; on the
// background the display shows.
std::optional<std::string> OrbitalDisplayPng(const ExportSource& source);
std::optional<std::string> OrbitalDisplaySvg(const ExportSource& source);

// The printed report as kelvane-cli report writes it for the same system and
// options, its picture dotted the same way. Needs a QGuiApplication.
std::optional<std::string> SystemReportPdf(const ExportSource& source);

} // namespace kelvane
