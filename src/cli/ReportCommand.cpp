#include "cli/ReportCommand.h"

#include <QByteArray>

#include "cli/OffscreenGui.h"
#include "core/AppState.h"
#include "render/SystemFiles.h"

namespace kelvane {

int ReportCommand(const CliRequest& request)
{
    const auto& [inputPath, outputPath, settings] = std::get<ReportRequest>(request);
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
