#include "gui/files/ExportFormats.h"

#include <QByteArray>
#include <QtGlobal>

#include "core/export/SystemCsv.h"
#include "core/export/SystemWriters.h"
#include "render/SystemFiles.h"

namespace kelvane {

namespace {

std::optional<std::string> Bytes(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return std::nullopt;
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::optional<std::string> SystemJson(const ExportSource& source)
{
    std::string out;
    AppendJson(out, source.system, source.code, 0);
    out += '\n';
    return out;
}

std::optional<std::string> SystemCsv(const ExportSource& source)
{
    std::string out;
    AppendCsvHeader(out);
    AppendCsvRows(out, source.system, source.runNumber, source.code);
    return out;
}

std::optional<std::string> SystemMarkdown(const ExportSource& source)
{
    std::string out;
    AppendMarkdown(out, source.system, source.code, source.decimalSeparator);
    return out;
}

std::optional<std::string> SystemText(const ExportSource& source)
{
    std::string out;
    AppendText(out, source.system, source.code, source.decimalSeparator);
    return out;
}

} // namespace

const std::vector<ExportFormat>& ExportFormats()
{
    static const std::vector<ExportFormat> formats = {
        {QT_TRANSLATE_NOOP("ExportFormats", "PNG image (*.png)"), "png", OrbitalDisplayPng},
        {QT_TRANSLATE_NOOP("ExportFormats", "SVG image (*.svg)"), "svg", OrbitalDisplaySvg},
        {QT_TRANSLATE_NOOP("ExportFormats", "PDF report (*.pdf)"), "pdf", SystemReportPdf},
        {"JSON (*.json)", "json", SystemJson},
        {"CSV (*.csv)", "csv", SystemCsv},
        {QT_TRANSLATE_NOOP("ExportFormats", "Markdown (*.md)"), "md", SystemMarkdown},
    };
    return formats;
}

const std::vector<ClipboardTextFormat>& ClipboardTextFormats()
{
    // Markdown for notes and wikis, the plain table for everything else.
    static const std::vector<ClipboardTextFormat> formats = {
        {"text/markdown", SystemMarkdown},
        {"text/plain", SystemText},
    };
    return formats;
}

std::optional<std::string> OrbitalDisplayPng(const ExportSource& source)
{
    return Bytes(DisplayPngFile(source.system, source.settings, source.displayBackColor, ExportPictureSize));
}

std::optional<std::string> OrbitalDisplaySvg(const ExportSource& source)
{
    return DisplaySvgFile(source.system, source.settings, source.displayBackColor, ExportPictureSize);
}

std::optional<std::string> SystemReportPdf(const ExportSource& source)
{
    return Bytes(ReportPdfFile(source.system, source.settings, source.decimalSeparator));
}

} // namespace kelvane
