#include <QTranslator>

#include "GuiTestSupport.h"
#include "core/model/SystemCode.h"
#include "core/sector/SectorFile.h"
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
    const AppState& app = program.Document().State();
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
    EXPECT_EQ(program.Windows().Elements()->windowTitle(), "Elemente");
    program.System().Orbit(1).Type = TypeEnvAverage;
    program.Windows().Info()->RefreshForm();
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

// Why the core refuses a sector folder or an imported system: in the user's
// language around the file's own words, which stay as they are even where
// they look like a place; without a translator, the English kelvane-cli
// prints.
TEST(Language, TheCoresReasonsSpeakTheUsersLanguageAroundTheFilesWords)
{
    const Translators installed;
    test::Program program;
    const QTemporaryDir dir;
    const QString folder = dir.filePath("damaged");
    QDir().mkpath(folder);
    const Sector sector = GenerateSector({7, 8, 10, 0.5, LifeSupportLevel::Average, BiozoneWidth::Double});
    std::string index = SectorFileText(sector);
    index.replace(index.find("\"planets\": ") + 11, 1, "11");
    test::WriteBytes(folder.toStdString() + "/sector.json", index);
    const QString json = dir.filePath("lush.json");
    test::WriteBytes(json.toStdString(),
                     R"({"orbits": [{"environment": "%1 Lush"}, {}, {}, {}, {}, {}, {}, {}, {}, {}]})");
    const auto refusals = [&] {
        program.dialogs->errors.clear();
        program.dialogs->folder = folder;
        program.Trigger("mnuSectorOpen");
        program.dialogs->answers = {json};
        program.Trigger("mnuEditImport");
        return program.dialogs->errors;
    };
    const QString hex = QString::fromStdString(sector.systems.front().hex.Text());

    EXPECT_EQ(refusals(),
              QStringList({folder + "\nThis sector cannot be opened.\nsector.json: system " + hex +
                               ": \"planets\" is not a whole number from 0 to 10",
                           json + "\norbits[0].environment: \"%1 Lush\" is not one of None, Hostile, Poor, "
                                  "Average, Good, Excellent"}));
    ASSERT_EQ(InstallTranslators(*qApp, {"de-DE"}), "de");
    EXPECT_EQ(refusals(),
              QStringList({folder + "\nDieser Sektor kann nicht geöffnet werden.\nsector.json: System " +
                               hex + ": \"planets\" ist keine ganze Zahl von 0 bis 10",
                           json + "\norbits[0].environment: \"%1 Lush\" ist keiner der Werte None, Hostile, "
                                  "Poor, Average, Good, Excellent"}));
}

} // namespace
} // namespace kelvane
