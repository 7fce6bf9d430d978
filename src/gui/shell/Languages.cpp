#include "gui/shell/Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kelvane {

namespace {

// Where the build puts the compiled translations, kelvane_<language>.qm.
constexpr char ProgramTranslations[] = ":/i18n";

bool IsEnglish(const QString& language)
{
    return language == QLatin1String("C") || language == QLatin1String("POSIX") ||
           QLocale(language).language() == QLocale::English;
}

} // namespace

QString InstallTranslators(QCoreApplication& application, const QStringList& languages)
{
    for (const QString& language : languages) {
        if (IsEnglish(language))
            return {};
        auto* program = new QTranslator(&application);
        // "de_AT" finds kelvane_de when there is no kelvane_de_AT.
        if (!program->load(QStringLiteral("kelvane_") + language, QLatin1String(ProgramTranslations),
                           QStringLiteral("_-"))) {
            delete program;
            continue;
        }
        QCoreApplication::installTranslator(program);
        auto* qt = new QTranslator(&application);
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                     QStringLiteral("_-")))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return program->language();
    }
    return {};
}

} // namespace kelvane
