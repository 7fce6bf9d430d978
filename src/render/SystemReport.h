#pragma once

#include <QString>

#include "core/drawing/DrawingSurface.h"
#include "core/model/Codes.h"
#include "core/model/Random.h"
#include "core/model/StarSystem.h"
#include "core/settings/AppSettings.h"
#include "render/ReportDocument.h"

namespace kelvane {

// The one-page system report: the system's name as a title, its orbital
// drawing in a 6.25-inch square, a table of the star and a table of the ten
// orbits, a running header and footer, and the name once more in light grey
// down the right-hand margin. The desktop program prints it or shows it in
// its preview; the command line writes it as a PDF.

// The report's light grey, RGB(210, 210, 210): heading cells, the side
// title, and the picture's background when grey is printed for black.
constexpr Colour ReportLightGrey = 0xD2D2D2;

inline constexpr char ReportHeaderText[] = QT_TRANSLATE_NOOP("SystemReport", "Kelvane System Report");
// The product at the left, nothing in the centre, the home page at the right.
inline constexpr char ReportFooterText[] = "Kelvane||kelvane.example.org";

// The background of the system's drawings while the report's picture is
// drawn: light grey when grey-for-black printing (SwapBW) is on, black
// otherwise. The caller stores it in DisplayBackColor before it builds the
// report.
Colour ReportPictureBackColor(const AppSettings& settings);

// DisplayBackColor once the report has been printed or previewed: black
// when grey-for-black printing is on, white otherwise.
Colour AfterReportBackColor(const AppSettings& settings);

// The title and side title: the system's name, or "Unnamed System" when it
// is empty. A name of more than MaxTitleCharacters characters, far more than
// a line shows, is cut there and ends in an ellipsis.
inline constexpr qsizetype MaxTitleCharacters = 1000;
QString ReportTitle(const StarSystem& system);

// The habitable zone as the star table shows it: " .75 to  1.2 AUs".
QString HabitableZoneText(const StarSystem& system);

// The report of system, laid out on US Letter portrait. The picture is drawn
// anew onto picture with DrawOrbitalDisplay on displayBackColor, in the
// display style and orbit-line options of settings, its asteroid dots taken
// from random; settings.ColorText chooses coloured environment and distance
// cells; orbit distances use decimalSeparator. Needs a QGuiApplication to
// measure text.
ReportDocument BuildSystemReport(const StarSystem& system, const AppSettings& settings,
                                 Colour displayBackColor, Random& random, char decimalSeparator,
                                 DrawingSurface& picture);

// The same with a drawing surface of its own.
ReportDocument BuildSystemReport(const StarSystem& system, const AppSettings& settings,
                                 Colour displayBackColor, Random& random, char decimalSeparator);

} // namespace kelvane
