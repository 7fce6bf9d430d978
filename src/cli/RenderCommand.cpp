#include "cli/RenderCommand.h"

#include <QByteArray>
#include <algorithm>
#include <cctype>

#include "core/AppState.h"
#include "core/files/SystemFile.h"
#include "render/SystemFiles.h"

namespace kelvane {

namespace {

constexpr int DefaultSize = 800;
constexpr int MinSize = 16;
constexpr int MaxSize = 8192;

enum class ImageFormat { Png, Svg };

ImageFormat FormatOf(const std::string& path)
{
    std::string extension;
    if (const auto dot = path.rfind('.');
        dot != std::string::npos && path.find('/', dot) == std::string::npos)
        extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".png")
        return ImageFormat::Png;
    if (extension == ".svg")
        return ImageFormat::Svg;
    throw UsageError{"-o: '" + path + "' does not end in .png or .svg"};
}

} // namespace

int RenderCommand(const Arguments& arguments)
{
    std::string inputPath;
    std::string outputPath;
    int size = DefaultSize;
    AppSettings settings;
    bool orbitLines = true;
    bool whiteOrbits = false;
    bool thickOrbits = false;

    arguments.ForEach(
        [&](std::string_view name, std::string_view value) {
            if (name == "-o" || name == "--output")
                outputPath = std::string(value);
            else if (name == "--style")
                settings.OrbitDisplay = ParseStyle(value);
            else if (name == "--size")
                size = ParseNumber<int>(name, value, MinSize, MaxSize);
            else if (name == "--orbit-lines")
                orbitLines = ParseSwitch(name, value) != 0;
            else if (name == "--white-orbits")
                whiteOrbits = ParseSwitch(name, value) != 0;
            else if (name == "--thick-orbits")
                thickOrbits = ParseSwitch(name, value) != 0;
            else
                throw UsageError{"unknown option '" + std::string(name) + "'"};
        },
        TakeOneFile(inputPath));
    if (inputPath.empty())
        throw UsageError{"render: no system file given"};
    if (outputPath.empty())
        throw UsageError{"render: no output given (-o OUT.png or -o OUT.svg)"};
    const ImageFormat format = FormatOf(outputPath);
    settings.VisibleOrbits = orbitLines ? -1 : 0;
    settings.WhiteOrbits = whiteOrbits ? -1 : 0;
    settings.OrbitPenWidth = thickOrbits ? 2 : 1;

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
