#include <QTranslator>

#include "GuiTestSupport.h"
#include "core/model/SystemCode.h"
#include "core/sector/SectorGeneration.h"
#include "core/sector/SectorMap.h"
#include "gui/sector/SectorCaptions.h"
#include "gui/shell/Languages.h"
#include "gui/shell/frmNewFromCode.h"
#include "gui/views/frmElements.h"
#include "render/SystemReport.h"

namespace kelvane {
namespace {

// The menu titles of the menu bar, in order.
QString MenuBar(const test::Program& program)
{
    QStringList titles;
    for (const QAction* menu : program.main->menuBar()->actions())
        titles << menu->text();
    return titles.join(',');
}

QString ReportHeader(test::Program& program)
{
    RandomSource random = RandomSource::Deterministic(1);
    const AppState& app = program.controller.Document().State();
    return BuildSystemReport(app.system, app.settings, 0, random, '.').Header();
}

// The translators the start-up installed, gone again at the end of a test.
struct Translators {
    ~Translators()
    {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>())
            delete translator;
    }
};

TEST(Language, EnglishNeedsNoTranslatorAndComesFirstWhereTheUserPutsItFirst)
{
    const Translators installed;
    EXPECT_EQ(InstallTranslators(*qApp, {"en-GB", "de-DE"}), "");
    EXPECT_EQ(InstallTranslators(*qApp, {"C"}), "");
    // A language the program does not speak is passed over.
    EXPECT_EQ(InstallTranslators(*qApp, {"xx-YY"}), "");
    EXPECT_TRUE(qApp->findChildren<QTranslator*>().isEmpty());

    test::Program program;
    EXPECT_EQ(MenuBar(program), "&File,&Edit,&Options,&Sector,&Window,&Help");
    EXPECT_EQ(program.Find("mnuOptionsLifeAverage")->text(), "&Average");
    EXPECT_EQ(ReportHeader(program), "Kelvane System Report");
    // The Sector window's lines are the map's and the index's, word for word.
    for (const SectorOptions& options :
         {SectorOptions{7, 8, 10, 0.5, LifeSupportLevel::Poor, BiozoneWidth::Triple},
          SectorOptions{2, 1, 1, 1, LifeSupportLevel::Excellent, BiozoneWidth::Double}}) {
        Sector sector = GenerateSector(options);
        EXPECT_EQ(SectorCaption(sector).toStdString(), SectorTitle(sector));
        sector.name = "The Marches";
        EXPECT_EQ(SectorCaption(sector).toStdString(), SectorTitle(sector));
        EXPECT_EQ(OptionsCaption(options).toStdString(), SectorOptionsText(options));
    }
}

TEST(Language, GermanMenusWindowsAndReportFromTheFirstLanguageTheProgramSpeaks)
{
    const Translators installed;
    // An Austrian German desktop takes the German translation.
    ASSERT_EQ(InstallTranslators(*qApp, {"fr-FR", "de-AT", "en-US"}), "de");

    test::Program program;
    EXPECT_EQ(MenuBar(program), "&Datei,&Bearbeiten,&Optionen,&Sektor,&Fenster,&Hilfe");
    // A text of a table row, one of a window and one of the core's tables.
    EXPECT_EQ(program.Find("mnuOptionsLifeAverage")->text(), "&Mittel");
    EXPECT_EQ(program.controller.Windows().Elements()->windowTitle(), "Elemente");
    program.System().Orbit(1).Type = TypeEnvAverage;
    program.controller.Windows().Info()->RefreshForm();
    EXPECT_EQ(program.Cell("EnvironmentLabel", 0)->text(), "Mittel");
    EXPECT_EQ(ReportHeader(program), "Kelvane Systembericht");
    const SectorOptions options{7, 8, 10, 0.5, LifeSupportLevel::Average, BiozoneWidth::Double};
    EXPECT_EQ(SectorCaption(GenerateSector(options)), "Sektor 7: 8 x 10 Hexfelder, 44 Systeme");
    EXPECT_EQ(OptionsCaption(options), "Lebenserhaltung Mittel, Biozone Doppelt, Dichte 0.5");
    // Why the core refuses a code, in German too.
    std::string why;
    ASSERT_FALSE(DecodeSystemCode("ZZZZ-ZZZZ-ZZZZ-ZZZZ", &why));
    EXPECT_EQ(frmNewFromCode::NotACodeMessage(why),
              "Das ist kein Systemcode: seine Prüfsumme stimmt nicht; ein Zeichen ist falsch oder fehlt.");
    // Qt's own buttons speak German too, from the system's Qt translations.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
}

} // namespace
} // namespace kelvane
