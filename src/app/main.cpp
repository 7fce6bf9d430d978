#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gui/shell/Controller.h"
#include "gui/shell/ProgramArguments.h"
#include "gui/shell/SettingsFolder.h"
#include "gui/shell/TerminationSignals.h"

namespace {

kelvane::ProgramArguments ReadArguments(int argc, char** argv)
{
    std::error_code noFolder;
    const std::filesystem::path here = std::filesystem::current_path(noFolder);
    return kelvane::ProgramArguments::Parse(std::vector<std::string>(argv + 1, argv + argc), here.string());
}

} // namespace

// Main: the settings file lives in the program's folder, or in the user's
// configuration folder when the program's cannot be written; everything else
// starts in the controller. A file named on the command line (what the
// desktop's file association passes) is loaded once the windows are up.
int main(int argc, char** argv)
{
    using Action = kelvane::ProgramArguments::Action;
    // --help and --version answer without a screen.
    kelvane::ProgramArguments arguments = ReadArguments(argc, argv);
    if (arguments.action == Action::Help || arguments.action == Action::Version) {
        std::fputs(arguments.text.c_str(), stdout);
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    // Desktops match the windows to the menu entry, and its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelvane.Kelvane"));
    // Qt has taken its own options out of argv by now.
    arguments = ReadArguments(argc, argv);
    if (arguments.action != Action::Run) {
        std::fputs(arguments.text.c_str(), arguments.action == Action::Error ? stderr : stdout);
        return arguments.action == Action::Error ? 2 : 0;
    }

    kelvane::TerminationSignals terminationSignals;
    // The folder's name keeps its case: another case would name another folder.
    kelvane::Controller controller(
        kelvane::SettingsFolder(QCoreApplication::applicationDirPath().toStdString()));
    controller.Main();
    if (!arguments.file.empty()) {
        // From the event loop, so that the windows show before a Load Error box.
        QTimer::singleShot(0, &controller, [&controller, file = arguments.file] {
            const kelvane::FileResult result = controller.LoadFile(file);
            if (!result.Ok() && result.outcome != kelvane::FileOutcome::NotKelvaneFile)
                std::fprintf(stderr, "kelvane: %s: %s\n", file.c_str(), result.message.c_str());
        });
    }
    return QApplication::exec();
}
