#pragma once

#include <QByteArray>
#include <string>

#include "core/drawing/DrawingSurface.h"
#include "core/model/Codes.h"
#include "core/model/StarSystem.h"
#include "core/settings/AppSettings.h"

namespace kelvane {

// The pictures and the report of a system as files: what kelvane-cli render
// and report write and what the desktop's Edit > Export writes, from one
// place, so that both give the same bytes for the same system and options.
// Each drawing is made afresh with its asteroid dots from a source seeded the
// same every time, so a system always gives the same file.

// The Orbital Display as a file draws it, on background.
DrawingSurface DrawingForFile(const StarSystem& system, const AppSettings& settings, Colour background);

// That drawing as a square PNG (96 dots per inch) or SVG of side pixels; the
// PNG is empty when it cannot be made.
QByteArray DisplayPngFile(const StarSystem& system, const AppSettings& settings, Colour background, int side);
std::string DisplaySvgFile(const StarSystem& system, const AppSettings& settings, Colour background,
                           int side);

// The one-page report as the program prints it with these options, as a PDF
// on US Letter; empty when it cannot be made. Needs a QGuiApplication.
QByteArray ReportPdfFile(const StarSystem& system, const AppSettings& settings, char decimalSeparator);

} // namespace kelvane
