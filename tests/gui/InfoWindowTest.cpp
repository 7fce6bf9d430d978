#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMdiSubWindow>

#include "ViewsTestSupport.h"
#include "gui/display/frmOrbitalDisplay.h"
#include "gui/shell/Twips.h"
#include "gui/views/frmElements.h"
#include "gui/views/frmInfo.h"

namespace kelvane {
namespace {

using test::PaintedBackground;

const QColor White(255, 255, 255);
const QColor Blue(0, 0, 255);

struct InfoProgram : test::ViewsProgram {
    QLabel* Cell(const char* array, int row)
    {
        return Find(controller.Info(), QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(row));
    }
    QLabel* Upper(const char* name) { return Find(controller.Info(), QLatin1String(name)); }
    QLineEdit* NameBox() { return Find<QLineEdit>(controller.Info(), QStringLiteral("txtInput")); }
    QStringList Row(int row)
    {
        return {Cell("ContainsLabel", row)->text(), Cell("EnvironmentLabel", row)->text(),
                Cell("MoonsLabel", row)->text(), Cell("AULabel", row)->text()};
    }
    QString DisplayCaption() { return controller.OrbitalDisplay()->windowTitle(); }
};

TEST(InfoWindow, LayoutOfRowsAndColumns)
{
    InfoProgram program;
    frmInfo* info = program.controller.Info();
    EXPECT_EQ(info->size(), PxSize(3870, 3975));
    // Fixed size: no maximise button on its frame.
    EXPECT_FALSE(program.controller.FrameOf(info)->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(program.Cell("EnvironmentLabel", 3)->geometry(), PxRect(1500, 1500 + 3 * 240, 975, 255));
    // Neighbouring rows share their border line.
    for (int r = 0; r < 9; ++r)
        EXPECT_EQ(program.Cell("MoonsLabel", r)->geometry().bottom(),
                  program.Cell("MoonsLabel", r + 1)->geometry().top());
    EXPECT_EQ(program.Cell("OrbitNumberLabel", 0)->text(), "1");
    EXPECT_EQ(program.Cell("OrbitNumberLabel", 9)->text(), "10");

    // A heading is white on black; a value cell black on white, framed.
    QLabel* heading = program.Upper("Label5");
    const QImage headingImage = heading->grab().toImage();
    EXPECT_EQ(headingImage.pixelColor(1, 1), QColor(Qt::black));
    bool whiteText = false;
    for (int x = 0; x < headingImage.width(); ++x)
        whiteText = whiteText || headingImage.pixelColor(x, headingImage.height() / 2).lightness() > 200;
    EXPECT_TRUE(whiteText);
    EXPECT_EQ(heading->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QLabel* starType = program.Upper("StarTypeLabel");
    EXPECT_EQ(starType->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(starType->grab().toImage().pixelColor(0, 5), QColor(Qt::black));
    EXPECT_EQ(PaintedBackground(starType), White);
}

TEST(InfoWindow, TextsOfTheStarAndTheRows)
{
    InfoProgram program;
    EXPECT_EQ(program.Upper("StarTypeLabel")->text(), "Yellow (G)");
    EXPECT_EQ(program.Upper("StarClassLabel")->text(), "Main Sequence (V)");
    EXPECT_EQ(program.Upper("BiozoneLabel")->text(), " .75 to  1.2 AUs");
    EXPECT_EQ(program.NameBox()->text(), "Known");

    EXPECT_EQ(program.Row(0), QStringList({"", "", "", "0.4"}));
    EXPECT_EQ(program.Row(1), QStringList({"Planet", "Hostile", "0", "0.7"}));
    // A belt has no moons to show, whatever its record holds.
    EXPECT_EQ(program.Row(3), QStringList({"Asteroids", "", "", "1.2"}));
    EXPECT_EQ(program.Row(4), QStringList({"Planet", "Good", "2", "1.2"}));
    // A Type outside the table shows as an empty row.
    EXPECT_EQ(program.Row(5), QStringList({"", "", "", "12.0"}));
    EXPECT_EQ(program.Row(8), QStringList({"Planet", "None", "0", "1234.6"}));

    // Distances in the table take the user's decimal separator; the zone
    // text keeps its point.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    program.controller.Info()->RefreshForm();
    EXPECT_EQ(program.Row(8).back(), "1234,6");
    EXPECT_EQ(program.Upper("BiozoneLabel")->text(), " .75 to  1.2 AUs");

    // Whole zone edges; an unknown star gives empty texts, not old ones.
    StarSystem& s = program.System();
    s.BiozoneMin = Distance::FromTenths(20);
    s.BiozoneMax = Distance::FromTenths(30);
    s.StarType = 0;
    s.StarClass = 20;
    program.controller.RefreshAll();
    EXPECT_EQ(program.Upper("BiozoneLabel")->text(), " 2 to  3 AUs");
    EXPECT_EQ(program.Upper("StarTypeLabel")->text(), "");
    EXPECT_EQ(program.Upper("StarClassLabel")->text(), "");
}

TEST(InfoWindow, ZoneAndEnvironmentColours)
{
    InfoProgram program;
    const auto au = [&](int row) { return PaintedBackground(program.Cell("AULabel", row)); };
    const auto env = [&](int row) { return PaintedBackground(program.Cell("EnvironmentLabel", row)); };
    EXPECT_EQ(au(0), White);
    EXPECT_EQ(au(1), White); // 0.7499, a ten-thousandth below the zone
    EXPECT_EQ(au(2), Blue);  // the inner edge, an empty orbit
    EXPECT_EQ(au(3), Blue);  // the outer edge
    EXPECT_EQ(au(4), White); // 1.2001
    EXPECT_EQ(env(1), QColor(255, 0, 0));
    EXPECT_EQ(env(4), QColor(0, 255, 255));
    EXPECT_EQ(env(6), QColor(255, 255, 0));
    EXPECT_EQ(env(3), White); // a belt
    EXPECT_EQ(env(5), White); // an unknown Type
    // The other cells never take a colour.
    EXPECT_EQ(PaintedBackground(program.Cell("ContainsLabel", 1)), White);
    EXPECT_EQ(PaintedBackground(program.Cell("MoonsLabel", 1)), White);
}

TEST(InfoWindow, ColoredTextAndGreyForBlackSwitchTheColoursOff)
{
    InfoProgram program;
    AppSettings& settings = program.controller.Settings();
    AppState& app = program.controller.State();
    const auto coloured = [&] {
        return PaintedBackground(program.Cell("EnvironmentLabel", 1)) != White ||
               PaintedBackground(program.Cell("AULabel", 2)) != White;
    };
    ASSERT_TRUE(coloured());

    // Only -1 counts as on.
    settings.ColorText = 1;
    program.controller.Info()->RefreshForm();
    EXPECT_FALSE(coloured());
    settings.ColorText = -1;
    program.controller.Info()->RefreshForm();
    EXPECT_TRUE(coloured());
    // The menu item refreshes the window on its own.
    program.main->findChild<QAction*>(QStringLiteral("mnuOptionsColor"))->trigger();
    EXPECT_EQ(settings.ColorText, 0);
    EXPECT_FALSE(coloured());
    program.main->findChild<QAction*>(QStringLiteral("mnuOptionsColor"))->trigger();
    EXPECT_TRUE(coloured());

    // Grey for Black (any non-zero value) with a white background takes
    // the colours away; with the usual black one they stay.
    settings.SwapBW = 5;
    app.DisplayBackColor = 0xFFFFFF;
    program.controller.Info()->RefreshForm();
    EXPECT_FALSE(coloured());
    app.DisplayBackColor = 0;
    program.controller.Info()->RefreshForm();
    EXPECT_TRUE(coloured());
    settings.SwapBW = 0;
    app.DisplayBackColor = 0xFFFFFF;
    program.controller.Info()->RefreshForm();
    EXPECT_TRUE(coloured());
}

TEST(InfoWindow, NameBoxRenamesTheSystem)
{
    InfoProgram program;
    QLineEdit* box = program.NameBox();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(program.System().SystemName, "");
    EXPECT_EQ(program.DisplayCaption(), "Orbital Display (<Unnamed System>)");

    QTest::keyClicks(box, QStringLiteral("Vega 2"));
    EXPECT_EQ(program.System().SystemName, "Vega 2");
    EXPECT_EQ(program.DisplayCaption(), "Orbital Display (Vega 2)");
    // The name is kept as UTF-8.
    box->setCursorPosition(2);
    box->insert(QStringLiteral("\u00e9"));
    EXPECT_EQ(program.System().SystemName, "Ve\xC3\xA9ga 2");

    // A refresh keeps what the user typed, and a name set elsewhere reaches
    // the box and the caption.
    program.controller.RefreshAll();
    EXPECT_EQ(box->text(), QStringLiteral("Ve\u00e9ga 2"));
    program.System().SystemName = "Other";
    program.controller.Info()->RefreshForm();
    EXPECT_EQ(box->text(), "Other");
    EXPECT_EQ(program.DisplayCaption(), "Orbital Display (Other)");
}

TEST(InfoWindow, RightClickOnContainsOpensTheContentsMenu)
{
    InfoProgram program;
    AppState& app = program.controller.State();
    QMenu* contains = program.main->ContainsPopup();

    // Other buttons do nothing.
    QTest::mouseRelease(program.Cell("ContainsLabel", 6), Qt::LeftButton);
    QTest::mouseRelease(program.Cell("ContainsLabel", 6), Qt::MiddleButton);
    EXPECT_EQ(app.PopupOrbit, 0);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // Any orbit, empty or not; the chosen item acts on that orbit.
    const OrbitRecord before = app.system.Orbit(1);
    QTest::mouseRelease(program.Cell("ContainsLabel", 0), Qt::RightButton);
    EXPECT_EQ(app.PopupOrbit, 1);
    test::ChooseFromPopup(contains, "popContainsAsteroids");
    EXPECT_EQ(app.system.Orbit(1).Type, TypeAsteroids);
    EXPECT_EQ(app.system.Orbit(1).Elements, before.Elements);
    EXPECT_EQ(program.Row(0), QStringList({"Asteroids", "", "", "0.4"}));

    QTest::mouseRelease(program.Cell("ContainsLabel", 9), Qt::RightButton);
    EXPECT_EQ(app.PopupOrbit, 10);
    test::ChooseFromPopup(contains, "popContainsNothing");
    EXPECT_EQ(app.system.Orbit(10).Type, TypeNothing);
    EXPECT_EQ(program.Row(9), QStringList({"", "", "", "2000.0"}));
}

TEST(InfoWindow, RightClickOnEnvironmentOnlyForPlanets)
{
    InfoProgram program;
    AppState& app = program.controller.State();
    QMenu* environments = program.main->EnvironmentPopup();

    OrbitRecord expected = app.system.Orbit(2);
    QTest::mouseRelease(program.Cell("EnvironmentLabel", 1), Qt::RightButton);
    EXPECT_EQ(app.PopupOrbit, 2);
    test::ChooseFromPopup(environments, "popEnvExcellent");
    expected.Type = TypeEnvExcellent;
    EXPECT_EQ(app.system.Orbit(2), expected);
    EXPECT_EQ(program.Cell("EnvironmentLabel", 1)->text(), "Excellent");

    // A belt, an empty orbit and an unknown Type get no menu, but the
    // orbit is still recorded.
    for (int row : {3, 2, 5}) {
        QTest::mouseRelease(program.Cell("EnvironmentLabel", row), Qt::RightButton);
        EXPECT_EQ(app.PopupOrbit, row + 1);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << row;
    }
    QTest::mouseRelease(program.Cell("EnvironmentLabel", 4), Qt::LeftButton);
    EXPECT_EQ(app.PopupOrbit, 6);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST(ElementsWindow, RowsInFixedColumns)
{
    test::ViewsProgram program;
    frmElements* elements = program.controller.Elements();
    EXPECT_EQ(elements->size(), PxSize(3870, 2670));
    const auto cell = [&](int row) {
        return program.Find(elements, QStringLiteral("ElementsLabel_%1").arg(row));
    };

    // An empty orbit is blank whatever its record holds; a belt and an
    // unknown Type show their letters, all 26 positions kept.
    EXPECT_EQ(cell(0)->text(), QString(26, QLatin1Char(' ')));
    EXPECT_EQ(cell(3)->text(), QStringLiteral("A C") + QString(23, QLatin1Char(' ')));
    EXPECT_EQ(cell(5)->text(), QStringLiteral("AB  E") + QString(21, QLatin1Char(' ')));
    EXPECT_EQ(cell(9)->text(), QStringLiteral("AZ") + QString(24, QLatin1Char(' ')));
    EXPECT_EQ(program.Find(elements, QStringLiteral("Label11"))->text(), "10");

    // Letter i stands in column i on every row, and a full row fits.
    QLabel* row = cell(9);
    EXPECT_TRUE(QFontInfo(row->font()).fixedPitch());
    const QFontMetrics metrics(row->font());
    EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('I')), metrics.horizontalAdvance(QLatin1Char('W')));
    EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char(' ')), metrics.horizontalAdvance(QLatin1Char('W')));
    EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")),
              row->contentsRect().width() - 2 * row->indent());
}

} // namespace
} // namespace kelvane
