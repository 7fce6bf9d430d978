#include "cli/ReportCommand.h"

#include <QByteArray>
#include <QGuiApplication>
#include <algorithm>
#include <cctype>
#include <memory>

#include "core/AppState.h"
#include "core/drawing/OrbitalDisplay.h"
#include "core/model/RandomSource.h"
#include "render/ReportOutput.h"
#include "render/SystemReport.h"

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

// Qt's own notes about a machine without a desktop session (no runtime
// folder and the like) would only clutter the command's output; its errors
// still go through.
void QuietQtNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qt_message_output(type, context, message);
}

// Measuring and painting text needs a QGuiApplication. Without a screen the
// command makes one of its own on the offscreen platform, for as long as
// it runs; inside a program that has one already it uses that one.
class OffscreenGui {
public:
    OffscreenGui()
    {
        if (QCoreApplication::instance() == nullptr) {
            m_previousHandler = qInstallMessageHandler(QuietQtNotes);
            m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
        }
    }
    ~OffscreenGui()
    {
        if (m_app) {
            m_app.reset();
            qInstallMessageHandler(m_previousHandler);
        }
    }
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

    bool Ready() const { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

private:
    char m_name[12] = "kelvane-cli";
    char m_platformOption[10] = "-platform";
    char m_platform[10] = "offscreen";
    char* m_argv[4] = {m_name, m_platformOption, m_platform, nullptr};
    int m_argc = 3;
    QtMessageHandler m_previousHandler = nullptr;
    std::unique_ptr<QGuiApplication> m_app;
};

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
    // A fixed seed: the same file gives the same picture on every run.
    app.random = std::make_unique<RandomSource>(RandomSource::Deterministic(0));
    if (!LoadSystemArgument(app, inputPath))
        return ExitFailure;
    const char separator = UserDecimalSeparator();

    const OffscreenGui gui;
    if (!gui.Ready())
        return ReportFailure(outputPath, "no fonts: the report could not be laid out");
    app.DisplayBackColor = ReportPictureBackColor(settings);
    const ReportDocument document =
        BuildSystemReport(app.system, settings, app.DisplayBackColor, *app.random, separator);

    // Made whole in memory first: a failure leaves no file behind.
    const QByteArray pdf = ReportPdf(document, ReportTitle(app.system));
    if (pdf.isEmpty())
        return ReportFailure(outputPath, "the PDF could not be made");
    Output output(outputPath);
    output.Buffer().assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    if (!output.Open() || !output.Close())
        return ReportFailure(output.Name(), output.Error());
    return ExitOk;
}

} // namespace kelvane
