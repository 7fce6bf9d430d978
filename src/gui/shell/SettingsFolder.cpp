#include "gui/shell/SettingsFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <unistd.h>

namespace kelvane {

std::string SettingsFolder(const std::string& programFolder)
{
    // Making a file in a folder takes the right to write it and to search it.
    if (::access(programFolder.c_str(), W_OK | X_OK) == 0)
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
