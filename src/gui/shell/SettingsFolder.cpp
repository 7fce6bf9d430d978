#include "gui/shell/SettingsFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <filesystem>

#include "platform/FileSystem.h"

namespace kelvane {

namespace {

constexpr const char* NoFolder = "/nonexistent/kelvane";

// Two spellings of one folder: "/usr/bin/" and "/usr/./bin" name /usr/bin.
bool SameFolder(const std::string& a, const std::string& b)
{
    const auto normal = [](const std::string& path) {
        std::string text = std::filesystem::path(path).lexically_normal().string();
        while (text.size() > 1 && text.back() == '/')
            text.pop_back();
        return text;
    };
    return normal(a) == normal(b);
}

} // namespace

std::string ChooseSettingsFolder(const std::string& programFolder, const std::string& installFolder,
                                 bool programFolderWritable, const std::string& configFolder)
{
    const bool installed = !installFolder.empty() && SameFolder(programFolder, installFolder);
    if (!installed && programFolderWritable)
        return programFolder;
    // Without a home there is no other place: a copy's folder is then read,
    // and the settings are not saved; an installed program is given a folder
    // that cannot exist (root would be able to make any other).
    if (configFolder.empty())
        return installed ? std::string(NoFolder) : programFolder;
    return configFolder + "/kelvane";
}

std::string SettingsFolder(const std::string& programFolder)
{
    std::error_code unresolved;
    const std::filesystem::path installFolder =
        std::filesystem::weakly_canonical(KELVANE_INSTALL_BINDIR, unresolved);
    const std::string config =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .toStdString();
    std::string folder =
        ChooseSettingsFolder(programFolder, unresolved ? std::string() : installFolder.string(),
                             IsWritableFolder(programFolder), config);
    if (folder != programFolder && folder != NoFolder)
        QDir().mkpath(QFile::decodeName(folder.c_str()));
    return folder;
}

} // namespace kelvane
