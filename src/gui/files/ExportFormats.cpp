#include "gui/files/ExportFormats.h"

#include <QByteArray>

#include "core/drawing/DrawingSurface.h"
#include "core/drawing/OrbitalDisplay.h"
#include "core/drawing/SurfaceSvg.h"
#include "core/model/RandomSource.h"
#include "render/ReportOutput.h"
#include "render/SurfacePainter.h"
#include "render/SystemReport.h"

namespace kelvane {

namespace {

// The asteroid dots of an exported drawing: the seed kelvane-cli uses.
RandomSource ExportDots()
{
    return RandomSource::Deterministic(0);
}

DrawingSurface ExportDrawing(const ExportSource& source)
{
    DrawingSurface surface;
    RandomSource dots = ExportDots();
    DrawOrbitalDisplay(surface, source.system, source.settings, source.displayBackColor, dots);
    return surface;
}

std::optional<std::string> Bytes(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return std::nullopt;
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

const std::vector<ExportFormat>& ExportFormats()
{
    static const std::vector<ExportFormat> formats = {
        {"PNG image (*.png)", "png", OrbitalDisplayPng},
        {"SVG image (*.svg)", "svg", OrbitalDisplaySvg},
        {"PDF report (*.pdf)", "pdf", SystemReportPdf},
    };
    return formats;
}

const std::vector<ClipboardTextFormat>& ClipboardTextFormats()
{
    static const std::vector<ClipboardTextFormat> formats = {};
    return formats;
}

std::optional<std::string> OrbitalDisplayPng(const ExportSource& source)
{
    return Bytes(SurfacePng(ExportDrawing(source), ExportPictureSize, ExportPictureSize));
}

std::optional<std::string> OrbitalDisplaySvg(const ExportSource& source)
{
    return SurfaceSvg(ExportDrawing(source), ExportPictureSize, ExportPictureSize);
}

std::optional<std::string> SystemReportPdf(const ExportSource& source)
{
    RandomSource dots = ExportDots();
    const ReportDocument document =
        BuildSystemReport(source.system, source.settings, ReportPictureBackColor(source.settings), dots,
                          source.decimalSeparator);
    return Bytes(ReportPdf(document, ReportTitle(source.system)));
}

} // namespace kelvane
