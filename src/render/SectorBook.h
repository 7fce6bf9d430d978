#pragma once

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <string>
#include <vector>

#include "core/sector/Sector.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorMap.h"
#include "core/settings/AppSettings.h"
#include "render/ReportDocument.h"

namespace kelvane {

// The book of a sector, to print: its map on the first page, then the
// report page of each system in hex order, the same page the program prints
// for that system (with its name), its notes below the report (on pages of
// their own when they do not fit), and last a "Notes" section with the notes
// of hexes without a system.

inline constexpr char SectorMapHeaderText[] = QT_TRANSLATE_NOOP("SystemReport", "Kelvane Sector Map");

// The first page: a running header and footer like the report's, the
// sector's title and options, and the box the map fills (twips).
struct SectorMapPage {
    ReportDocument document;
    QRectF mapBox;
};

// Laid out on US Letter portrait. Needs a QGuiApplication to measure text.
SectorMapPage BuildSectorMapPage(const Sector& sector);

// Paints the page, then the map in its box, at the resolution of the
// painter's device with the page's corner at its origin, as a PDF writer
// without margins has it.
void PaintSectorMapPage(QPainter& painter, const SectorMapPage& page, const SectorMap& map);

// The report page of one of the sector's systems: BuildSystemReport with
// settings, the picture's background as the report sets it and asteroid dots
// from a fixed seed, as kelvane-cli report draws that system's file.
ReportDocument SectorSystemPage(const SectorSystem& system, const AppSettings& settings,
                                char decimalSeparator);

// page with notes below what it holds, under a "Notes" heading, and as many
// pages of notes (headed by continued) as the rest takes: a line of notes is
// a paragraph, a very long one cut at a space, and a heading never ends a
// page. page alone for no notes.
std::vector<ReportDocument> PagesWithNotes(ReportDocument page, const std::string& notes,
                                           const QString& continued);

// The book's closing section: "Notes", then each hex without a system that
// has notes, its number as a heading; no pages when there are none.
std::vector<ReportDocument> EmptyHexNotesPages(const Sector& sector);

// The whole book as a PDF: the map page, then the pages of each system and
// its notes, then the notes of empty hexes, in the language of the installed
// translators (kelvane-cli installs none: English). The same sector, settings
// and language give the same bytes: the PDF's creation date is a fixed one.
// Empty when it cannot be made, or when step, called after the map's page and
// each system's first page, stops it. Needs a QGuiApplication.
QByteArray SectorBookPdf(const Sector& sector, const AppSettings& settings, char decimalSeparator,
                         const SectorWriteStep& step = {});

// The sector's whole folder, as WriteSectorFolder writes it, with its book
// (when book is set) made here with the options' defaults: kelvane-cli and
// the program in English write the same bytes for the same sector. step is called
// SectorFolderSteps times when nothing stops the write. Needs a
// QGuiApplication.
SectorFolderResult WriteSectorFolderWithBook(const Sector& sector, const std::string& folder,
                                             char decimalSeparator, bool book,
                                             const SectorWriteStep& step = {});

// How many steps WriteSectorFolderWithBook reports for sector: a page of the
// book each, and a file each.
int SectorFolderSteps(const Sector& sector, bool book);

} // namespace kelvane
