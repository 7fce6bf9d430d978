#include "cli/ReportCommand.h"

#include <QByteArray>
#include <algorithm>
#include <cctype>

#include "cli/OffscreenGui.h"
#include "core/AppState.h"
#include "render/SystemFiles.h"

namespace kelvane {

namespace {

bool EndsInPdf(const std::string& path)
{
    constexpr std::string_view extension = ".pdf";
    if (path.size() <= extension.size())
        return false;
    return std::equal(
        extension.begin(), extension.end(), path.end() - static_cast<long>(extension.size()),
        [](char wanted, char c) { return wanted == std::tolower(static_cast<unsigned char>(c)); });
}

} // namespace

int ReportCommand(const Arguments& arguments)
{
    std::string inputPath;
    std::string outputPath;
    AppSettings settings;

    arguments.ForEach(
        [&](std::string_view name, std::string_view value) {
            if (name == "-o" || name == "--output")
                outputPath = std::string(value);
            else if (name == "--style")
                settings.OrbitDisplay = ParseStyle(value);
            else if (name == "--grey-for-black")
                settings.SwapBW = ParseSwitch(name, value);
            else if (name == "--colored-text")
                settings.ColorText = ParseSwitch(name, value);
            else
                throw UsageError{"unknown option '" + std::string(name) + "'"};
        },
        TakeOneFile(inputPath));
    if (inputPath.empty())
        throw UsageError{"report: no system file given"};
    if (outputPath.empty())
        throw UsageError{"report: no output given (-o OUT.pdf)"};
    if (!EndsInPdf(outputPath))
        throw UsageError{"-o: '" + outputPath + "' does not end in .pdf"};

    AppState app;
    if (!LoadSystemArgument(app, inputPath))
        return ExitFailure;

    const OffscreenGui gui;
    if (!gui.Ready())
        return ReportFailure(outputPath, "no fonts: the report could not be laid out");
    // Made whole in memory first: a failure leaves no file behind.
    const QByteArray pdf = ReportPdfFile(app.system, settings, UserDecimalSeparator());
    if (pdf.isEmpty())
        return ReportFailure(outputPath, "the PDF could not be made");
    Output output(outputPath);
    output.Buffer().assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    if (!output.Open() || !output.Close())
        return ReportFailure(output.Name(), output.Error());
    return ExitOk;
}

} // namespace kelvane
