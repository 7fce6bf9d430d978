#include "cli/RenderCommand.h"

#include <QByteArray>

#include "core/AppState.h"
#include "core/files/SystemFile.h"
#include "render/SystemFiles.h"

namespace kelvane {

int RenderCommand(const CliRequest& request)
{
    const auto& [inputPath, outputPath, format, size, settings] = std::get<RenderRequest>(request);
    AppState app;
    if (!LoadSystemArgument(app, inputPath))
        return ExitFailure;
    Output output(outputPath);
    if (format == ImageFormat::Png) {
        // Encoded whole in memory first: a failure leaves no file behind.
        const QByteArray png = DisplayPngFile(app.system, settings, 0, size);
        if (png.isEmpty())
            return ReportFailure(outputPath, "the image could not be made");
        output.Buffer().assign(png.constData(), static_cast<std::size_t>(png.size()));
    } else {
        output.Buffer() = DisplaySvgFile(app.system, settings, 0, size);
    }
    if (!output.Open() || !output.Close())
        return ReportFailure(output.Name(), output.Error());
    return ExitOk;
}

} // namespace kelvane
