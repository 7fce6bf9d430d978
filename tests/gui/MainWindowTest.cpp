#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "core/model/RandomSource.h"
#include "gui/display/SurfaceWidget.h"
#include "gui/display/frmOrbitalDisplay.h"
#include "gui/shell/Controller.h"
#include "gui/shell/mdiMain.h"

namespace kelvane {
namespace {

using test::TempFolder;

// A started program in a folder of its own, with a seeded source.
struct Program {
    explicit Program(const TempFolder& folder) : controller(folder.Str())
    {
        controller.State().random = std::make_unique<RandomSource>(RandomSource::Deterministic(3));
        controller.Main();
        main = controller.MainWindow();
    }
    ~Program()
    {
        if (main->isVisible())
            main->close();
    }

    QMenu* Menu(const char* name) { return main->findChild<QMenu*>(QLatin1String(name)); }
    QAction* Item(const char* name) { return main->findChild<QAction*>(QLatin1String(name)); }
    QComboBox* Combo() { return main->OrbitDisplayCombo(); }

    Controller controller;
    mdiMain* main = nullptr;
};

TEST(MainWindow, MenuTree)
{
    TempFolder folder;
    Program program(folder);
    EXPECT_EQ(program.main->windowTitle(), "Kelvane");

    QStringList bar;
    for (const QAction* action : program.main->menuBar()->actions())
        bar << action->text();
    // The two popup menus never show in the menu bar.
    EXPECT_EQ(bar, QStringList({"&File", "&Options", "&Window", "&Help"}));

    EXPECT_EQ(test::MenuOutline(program.Menu("mnuFileMenu")), "&New|Ctrl+N\n"
                                                              "New Orbits &Only|Ctrl+O\n"
                                                              "-\n"
                                                              "&Load...|Ctrl+L\n"
                                                              "&Save As...|Ctrl+S\n"
                                                              "-\n"
                                                              "&Print...|Ctrl+P\n"
                                                              "Print Pre&view...\n"
                                                              "Print &Grey for Black\n"
                                                              "-\n"
                                                              "E&xit|Ctrl+X\n");
    EXPECT_EQ(test::MenuOutline(program.Menu("mnuOptionsMenu")),
              "&Life Support>\n"
              "  &Poor\n"
              "  &Average\n"
              "  &Good\n"
              "  &Excellent\n"
              "&Bio Zone>\n"
              "  &Normal\n"
              "  &Double\n"
              "  &Triple\n"
              "&Orbit Display>\n"
              "  &Arced|Ctrl+A\n"
              "  &Complete|Ctrl+C\n"
              "  &Flat|Ctrl+F\n"
              "-\n"
              "&Force Orbit>\n"
              "  &1\n  &2\n  &3\n  &4\n  &5\n  &6\n  &7\n  &8\n  &9\n"
              "  1&0\n"
              "-\n"
              "&Visible Orbit Lines|Ctrl+V\n"
              "&White Orbit Lines\n"
              "&Thicker Orbit Lines\n"
              "&Colored Text\n");
    EXPECT_EQ(test::MenuOutline(program.Menu("mnuHelpMenu")), "&About Kelvane...\n");
    EXPECT_EQ(program.Item("mnuHelpQuick")->text(), "Show Quick Tips Window");
    EXPECT_EQ(test::MenuOutline(program.main->ContainsPopup()), "&Planet\n&Asteroids\n&Nothing\n");
    EXPECT_EQ(test::MenuOutline(program.main->EnvironmentPopup()),
              "&None\n&Hostile\n&Poor\n&Average\n&Good\n&Excellent\n");
    EXPECT_EQ(program.main->ContainsPopup()->title(), "PopupContains");
    EXPECT_EQ(program.main->EnvironmentPopup()->title(), "PopupEnv");

    QStringList tips;
    for (int i = 0; i < 5; ++i)
        tips << program.main->findChild<QToolButton*>(QStringLiteral("cmdToolbit_%1").arg(i))->toolTip();
    EXPECT_EQ(tips, QStringList({"New", "Open...", "Save", "Print", "Print Preview"}));
    QStringList entries;
    for (int i = 0; i < program.Combo()->count(); ++i)
        entries << program.Combo()->itemText(i);
    EXPECT_EQ(entries, QStringList({"Arced", "Complete", "Flat"}));
}

TEST(MainWindow, NewFromShortcutAndButtonAndNewOrbits)
{
    TempFolder folder;
    Program program(folder);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(program.main));
    program.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.main));

    AppState& app = program.controller.State();
    app.system.SystemName = "Mine";
    QTest::keyClick(program.main, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(app.system.SystemName, "Unnamed System");
    EXPECT_EQ(program.controller.OrbitalDisplay()->windowTitle(), "Orbital Display (Unnamed System)");

    StarSystem before = app.system;
    program.main->findChild<QToolButton*>(QStringLiteral("cmdToolbit_0"))->click();
    EXPECT_NE(app.system, before);

    // New Orbits Only keeps the star and the name.
    app.system.SystemName = "Kept";
    before = app.system;
    QTest::keyClick(program.main, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(app.system.SystemName, "Kept");
    EXPECT_EQ(app.system.StarType, before.StarType);
    EXPECT_NE(app.system.Orbits, before.Orbits);
}

TEST(MainWindow, DisplayMenuAndComboStayInStep)
{
    TempFolder folder;
    Program program(folder);
    program.Item("mnuOptionsOrbitComplete")->trigger();
    EXPECT_EQ(program.controller.Settings().OrbitDisplay, 3);
    EXPECT_EQ(program.Combo()->currentText(), "Complete");
    // The refresh moved the combo without a second refresh: the wait cursor
    // has gone and the busy flag is down.
    EXPECT_FALSE(program.controller.Mouse().BusyFlag());
    EXPECT_EQ(program.controller.Mouse().Current(), 0);

    program.Combo()->setCurrentIndex(2);
    EXPECT_EQ(program.controller.Settings().OrbitDisplay, 2);
    emit program.Menu("mnuOptionsMenu")->aboutToShow();
    EXPECT_TRUE(program.Item("mnuOptionsOrbitFlat")->isChecked());
    EXPECT_FALSE(program.Item("mnuOptionsOrbitArced")->isChecked());
    EXPECT_FALSE(program.Item("mnuOptionsOrbitComplete")->isChecked());
    // The flat style draws straight orbit lines.
    EXPECT_EQ(program.controller.OrbitalDisplay()->vsdDisplay()->Surface().Extents().Width, 500);

    // A value only a hand-edited file can give leaves the combo alone and
    // checks Arced.
    program.controller.SetOrbitDisplay(7);
    EXPECT_EQ(program.Combo()->currentText(), "Flat");
    emit program.Menu("mnuOptionsMenu")->aboutToShow();
    EXPECT_TRUE(program.Item("mnuOptionsOrbitArced")->isChecked());
}

TEST(MainWindow, OptionChecksOnOpening)
{
    TempFolder folder;
    Program program(folder);
    AppSettings& s = program.controller.Settings();
    s.LifeSupport = 9; // out of range: Poor is checked
    s.Biozone = 3;
    emit program.Menu("mnuOptionsMenu")->aboutToShow();
    EXPECT_TRUE(program.Item("mnuOptionsLifePoor")->isChecked());
    EXPECT_FALSE(program.Item("mnuOptionsLifeAverage")->isChecked());
    EXPECT_TRUE(program.Item("mnuOptionsBiozoneTriple")->isChecked());

    // Life Support and Bio Zone change nothing on screen.
    const auto shapes = program.controller.OrbitalDisplay()->vsdDisplay()->Surface().Shapes();
    program.Item("mnuOptionsLifeGood")->trigger();
    program.Item("mnuOptionsBiozoneDouble")->trigger();
    EXPECT_EQ(s.LifeSupport, 3);
    EXPECT_EQ(s.Biozone, 2);
    EXPECT_EQ(program.controller.OrbitalDisplay()->vsdDisplay()->Surface().Shapes(), shapes);

    s.SwapBW = 1; // any non-zero value is on
    emit program.Menu("mnuFileMenu")->aboutToShow();
    EXPECT_TRUE(program.Item("mnuFileSwap")->isChecked());
    program.Item("mnuFileSwap")->trigger();
    EXPECT_EQ(s.SwapBW, 0);
    EXPECT_FALSE(program.Item("mnuFileSwap")->isChecked());
    program.Item("mnuFileSwap")->trigger();
    EXPECT_EQ(s.SwapBW, -1);
}

TEST(MainWindow, ThickerOrbitLinesAlternates)
{
    TempFolder folder;
    Program program(folder);
    AppSettings& s = program.controller.Settings();
    QAction* thicker = program.Item("mnuOptionsThicker");
    const auto orbitPenWidth = [&program] {
        for (const Shape& shape : program.controller.OrbitalDisplay()->vsdDisplay()->Surface().Shapes())
            if (shape.ShapeKind == Shape::Kind::Circle && !shape.Filled())
                return shape.PenWidth;
        return -1.0;
    };
    thicker->trigger();
    EXPECT_EQ(s.OrbitPenWidth, 2);
    EXPECT_TRUE(thicker->isChecked());
    EXPECT_EQ(orbitPenWidth(), 2.0);
    thicker->trigger();
    EXPECT_EQ(s.OrbitPenWidth, 1);
    EXPECT_FALSE(thicker->isChecked());
    EXPECT_EQ(orbitPenWidth(), 1.0);
    for (const auto& [stored, next] : {std::pair<std::int16_t, std::int16_t>{5, 1}, {0, 2}, {-3, 2}}) {
        s.OrbitPenWidth = stored;
        thicker->trigger();
        EXPECT_EQ(s.OrbitPenWidth, next) << stored;
    }
}

TEST(MainWindow, ColoredTextDoesNotRedrawTheDisplayButVisibleOrbitsDoes)
{
    TempFolder folder;
    Program program(folder);
    AppState& app = program.controller.State();
    // Belts make every drawing differ: their dots are random.
    for (int n = 1; n <= 10; ++n)
        app.system.Orbit(n).Type = TypeAsteroids;
    program.controller.RefreshAll();
    const DrawingSurface& surface = program.controller.OrbitalDisplay()->vsdDisplay()->Surface();
    const auto shapes = surface.Shapes();

    program.Item("mnuOptionsColor")->trigger();
    EXPECT_EQ(app.settings.ColorText, 0);
    EXPECT_FALSE(program.Item("mnuOptionsColor")->isChecked());
    EXPECT_EQ(surface.Shapes(), shapes);

    program.Item("mnuOptionsVisible")->trigger();
    EXPECT_EQ(app.settings.VisibleOrbits, 0);
    EXPECT_NE(surface.Shapes(), shapes);
    program.Item("mnuOptionsWhite")->trigger();
    EXPECT_EQ(app.settings.WhiteOrbits, -1);
    EXPECT_TRUE(program.Item("mnuOptionsWhite")->isChecked());
}

TEST(MainWindow, RightClickPicksTheOrbitUnderThePointer)
{
    TempFolder folder;
    Program program(folder);
    program.controller.SetOrbitDisplay(3); // complete: x and y from -500 to 500
    frmOrbitalDisplay* display = program.controller.OrbitalDisplay();
    SurfaceWidget* surface = display->vsdDisplay();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(surface));
    // Find the widget pixel nearest the logical point (0, 100) and back.
    const auto pickNear = [&](double x, double y) {
        QPoint best;
        double bestDistance = 1e9;
        for (int px = 0; px < surface->width(); ++px)
            for (int py = 0; py < surface->height(); py += 1) {
                const QPointF logical = surface->ToLogical(QPointF(px, py));
                const double d = std::hypot(logical.x() - x, logical.y() - y);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = QPoint(px, py);
                }
            }
        return display->PickAt(surface->ToLogical(best));
    };
    EXPECT_EQ(pickNear(0, 100), 2);
    EXPECT_EQ(pickNear(30, 0), 0);
    EXPECT_EQ(pickNear(-480, 0), 10);
}

TEST(Settings, SurviveARealRoundTrip)
{
    TempFolder folder;
    const auto ini = folder.Path() / "kelvane.ini";
    {
        Program first(folder);
        EXPECT_FALSE(std::filesystem::exists(ini));
        first.controller.Settings().LifeSupport = 4;
        first.Item("mnuOptionsOrbitFlat")->trigger();
        first.main->showMaximized();
        QApplication::processEvents();
        first.main->close();
    }
    const std::string text = test::ReadFile(ini);
    // Both sections with every key, in writing order.
    const char* keys[] = {
        "[Windows]",        "MainState=2",  "MainCorner1",   "MainCorner2",   "MainCorner3",
        "MainCorner4",      "InfoState",    "InfoCorner1",   "InfoCorner4",   "ElementsState",
        "ElementsCorner4",  "OrbitState=0", "OrbitCorner1",  "OrbitCorner4",  "QuickState",
        "QuickCorner4",     "[Options]",    "LifeSupport=4", "Biozone=1",     "OrbitDisplay=2",
        "VisibleOrbits=-1", "ColorText=-1", "SwapBW=-1",     "WhiteOrbits=0", "OrbitPenWidth=1"};
    std::size_t at = 0;
    for (const char* key : keys) {
        const std::size_t found = text.find(key, at);
        ASSERT_NE(found, std::string::npos) << key << " after " << at << " in\n" << text;
        at = found;
    }

    Program second(folder);
    EXPECT_TRUE(second.main->isMaximized());
    EXPECT_EQ(second.controller.Settings().LifeSupport, 4);
    EXPECT_EQ(second.Combo()->currentText(), "Flat");
}

TEST(Settings, PlacementsComeBack)
{
    TempFolder folder;
    QRect mainGeometry, displayGeometry;
    {
        Program first(folder);
        first.main->move(40, 30);
        first.main->resize(900, 640);
        QMdiSubWindow* display = first.main->ClientArea()->subWindowList().front();
        display->setGeometry(10, 20, 300, 280);
        mainGeometry = QRect(first.main->pos(), first.main->size());
        displayGeometry = display->geometry();
        first.main->close();
    }
    Program second(folder);
    EXPECT_EQ(QRect(second.main->pos(), second.main->size()), mainGeometry);
    EXPECT_EQ(second.main->ClientArea()->subWindowList().front()->geometry(), displayGeometry);
}

} // namespace
} // namespace kelvane
