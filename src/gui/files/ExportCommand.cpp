#include "gui/files/ExportCommand.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <filesystem>

#include "gui/document/SystemDocument.h"
#include "gui/files/FileCommands.h"
#include "platform/AtomicFile.h"
#include "platform/UserDecimalSeparator.h"
#include "render/CoreText.h"
#include "render/QtText.h"

namespace kelvane {

namespace {

bool EndsWithNoCase(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           std::equal(end.rbegin(), end.rend(), text.rbegin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// The name proposed for a file of format: the current file's name, else the
// system's, with the format's extension, in the folder of the last export,
// else in the current file's.
QString ProposedName(const AppState& app, const std::string& lastExport, const ExportFormat& format)
{
    namespace fs = std::filesystem;
    const fs::path file(app.CurrentFileName);
    fs::path name = app.CurrentFileName.empty() ? fs::path(app.system.SystemName) : file.stem();
    if (name.empty())
        name = "Unnamed System";
    name += std::string(".") + format.extension;
    const fs::path folder = lastExport.empty() ? file.parent_path() : fs::path(lastExport).parent_path();
    return ToQt((folder / name).string());
}

} // namespace

ExportSource CurrentExportSource(const SystemDocument& document)
{
    const AppState& app = document.State();
    ExportSource source{app.system, app.settings, app.DisplayBackColor, {}, 1, UserDecimalSeparator()};
    if (const std::optional<SystemCode>& code = document.Code()) {
        source.code = EncodeSystemCode(*code);
        source.runNumber = RunNumber(*code);
    }
    return source;
}

std::string WithExportExtension(const std::string& path, const ExportFormat& format)
{
    const std::string extension = std::string(".") + format.extension;
    return EndsWithNoCase(path, extension) ? path : path + extension;
}

void ExportCommand(const SystemDocument& document, EditDialogs& dialogs, FileDialogs& files,
                   EditDialogs::ExportChoice& last)
{
    const std::vector<ExportFormat>& formats = ExportFormats();
    QStringList filters;
    for (const ExportFormat& format : formats)
        filters << QCoreApplication::translate("ExportFormats", format.filter);
    // The format chosen last is offered first.
    const auto chosenLast = std::find(filters.begin(), filters.end(), last.filter);
    const std::size_t offered =
        chosenLast == filters.end() ? 0 : static_cast<std::size_t>(chosenLast - filters.begin());

    const std::optional<EditDialogs::ExportChoice> choice =
        dialogs.ChooseExport(filters, filters[static_cast<qsizetype>(offered)],
                             ProposedName(document.State(), FromQt(last.path), formats[offered]));
    if (!choice)
        return;
    const auto chosen = std::find(filters.begin(), filters.end(), choice->filter);
    const ExportFormat& format =
        formats[chosen == filters.end() ? offered : static_cast<std::size_t>(chosen - filters.begin())];
    const std::string path = WithExportExtension(FromQt(choice->path), format);
    last = {ToQt(path), QCoreApplication::translate("ExportFormats", format.filter)};
    if (!MayWriteFile(files, path))
        return;
    // Made whole in memory first: a failure leaves no file behind.
    const std::optional<std::string> bytes = format.writer(CurrentExportSource(document));
    if (!bytes) {
        dialogs.ShowExportError(
            QCoreApplication::translate("ExportCommand", "%1\nThe file could not be made.").arg(ToQt(path)));
        return;
    }
    if (const std::string error = ReplaceFileContents(path, *bytes); !error.empty())
        dialogs.ShowExportError(
            QCoreApplication::translate("ExportCommand", "%1\nThe file could not be written: %2.")
                .arg(ToQt(path), CoreText(error)));
}

} // namespace kelvane
