#include "render/SystemFiles.h"

#include "core/drawing/OrbitalDisplay.h"
#include "core/drawing/SurfaceSvg.h"
#include "core/model/RandomSource.h"
#include "render/ReportOutput.h"
#include "render/SurfacePainter.h"
#include "render/SystemReport.h"

namespace kelvane {

namespace {

// The asteroid dots of every drawing made for a file.
RandomSource FileDots()
{
    return RandomSource::Deterministic(0);
}

} // namespace

DrawingSurface DrawingForFile(const StarSystem& system, const AppSettings& settings, Colour background)
{
    DrawingSurface surface;
    RandomSource dots = FileDots();
    DrawOrbitalDisplay(surface, system, settings, background, dots);
    return surface;
}

QByteArray DisplayPngFile(const StarSystem& system, const AppSettings& settings, Colour background, int side)
{
    return SurfacePng(DrawingForFile(system, settings, background), side, side);
}

std::string DisplaySvgFile(const StarSystem& system, const AppSettings& settings, Colour background, int side)
{
    return SurfaceSvg(DrawingForFile(system, settings, background), side, side);
}

QByteArray ReportPdfFile(const StarSystem& system, const AppSettings& settings, char decimalSeparator)
{
    RandomSource dots = FileDots();
    const ReportDocument document =
        BuildSystemReport(system, settings, ReportPictureBackColor(settings), dots, decimalSeparator);
    return ReportPdf(document, ReportTitle(system));
}

} // namespace kelvane
