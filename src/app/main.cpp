#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gui/shell/Controller.h"
#include "gui/shell/Languages.h"
#include "gui/shell/ProgramArguments.h"
#include "gui/shell/SettingsFolder.h"
#include "gui/shell/TerminationSignals.h"

namespace {

kelvane::ProgramArguments ReadArguments(int argc, char** argv, bool beforeQt)
{
    std::error_code noFolder;
    const std::filesystem::path here = std::filesystem::current_path(noFolder);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return beforeQt ? kelvane::ProgramArguments::ParseBeforeQt(arguments, here.string())
                    : kelvane::ProgramArguments::Parse(arguments, here.string());
}

int Answer(const kelvane::ProgramArguments& arguments)
{
    const bool error = arguments.action == kelvane::ProgramArguments::Action::Error;
    std::fputs(arguments.text.c_str(), error ? stderr : stdout);
    return error ? 2 : 0;
}

} // namespace

// Main: the settings file lives in the program's folder, or in the user's
// configuration folder when the program's cannot be written; everything else
// starts in the controller. A file named on the command line (what the
// desktop's file association passes) is loaded once the windows are up.
int main(int argc, char** argv)
{
    using Action = kelvane::ProgramArguments::Action;
    // --help, --version and a wrong command line answer without a screen.
    kelvane::ProgramArguments arguments = ReadArguments(argc, argv, true);
    if (arguments.action != Action::Run)
        return Answer(arguments);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    // The windows speak the user's language where the program has it; files,
    // codes and the settings stay as they are in every language.
    kelvane::InstallTranslators(application, QLocale::system().uiLanguages());
    // Desktops match the windows to the menu entry, and its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelvane.Kelvane"));
    // Qt has taken its own options out of argv by now.
    arguments = ReadArguments(argc, argv, false);
    if (arguments.action != Action::Run)
        return Answer(arguments);

    kelvane::TerminationSignals terminationSignals;
    // The folder's name keeps its case: another case would name another folder.
    // The open sector is kept for the next start in the user's data folder,
    // $XDG_DATA_HOME/kelvane.
    const std::string kept =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          QStringLiteral("/kelvane"))
            .toStdString();
    kelvane::Controller controller(
        kelvane::SettingsFolder(QCoreApplication::applicationDirPath().toStdString()), kept);
    controller.Main();
    // After the start-up every program has, from the event loop so that the
    // windows show first.
    QTimer::singleShot(0, &controller, [&controller] { controller.ReopenKeptSector(); });
    if (!arguments.file.empty()) {
        // From the event loop, so that the windows show before a Load Error box.
        QTimer::singleShot(0, &controller, [&controller, file = arguments.file] {
            const kelvane::FileResult result = controller.LoadFile(file);
            if (!result.Ok() && result.outcome != kelvane::FileOutcome::NotKelvaneFile)
                std::fprintf(stderr, "kelvane: %s: %s\n", file.c_str(), result.Text().c_str());
        });
    }
    return QApplication::exec();
}
