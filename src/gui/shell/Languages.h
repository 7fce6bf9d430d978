#pragma once

#include <QStringList>

class QCoreApplication;

namespace kelvane {

// Chooses the desktop program's language from languages, most wanted first
// (QLocale::system().uiLanguages(), which follows LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG), and installs its translators into application: the
// program's own and, where the system has it, Qt's for its standard buttons.
// English is the program's own text and needs none, so the first English
// entry, or a list with no language the program speaks, installs nothing.
// Returns the name of the language installed ("de"), or an empty text.
QString InstallTranslators(QCoreApplication& application, const QStringList& languages);

} // namespace kelvane
