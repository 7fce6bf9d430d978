#include "gui/shell/SettingsFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "platform/FileSystem.h"

namespace kelvane {

std::string SettingsFolder(const std::string& programFolder)
{
    if (IsWritableFolder(programFolder))
        return programFolder;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // Without a home there is no other place: the program's folder is then
    // read, and the settings are not saved.
    if (config.isEmpty())
        return programFolder;
    const QString folder = config + QStringLiteral("/kelvane");
    QDir().mkpath(folder);
    return QFile::encodeName(folder).toStdString();
}

} // namespace kelvane
