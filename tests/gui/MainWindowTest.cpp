#include <vector>

#include "GuiTestSupport.h"
#include "gui/shell/MousePointer.h"
#include "gui/shell/Twips.h"
#include "gui/shell/frmQuickOpts.h"
#include "gui/shell/frmSplash.h"

namespace kelvane {
namespace {

using test::Program;

// The menu's items as "caption|shortcut", "-" for a separator and
// "caption>[items]" for a submenu, separated by commas.
QString Outline(const QWidget* menu)
{
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            items << QStringLiteral("-");
        else if (const QMenu* sub = QMenu::menuInAction(action))
            items << action->text() + ">[" + Outline(sub) + "]";
        else if (action->shortcut().isEmpty())
            items << action->text();
        else
            items << action->text() + "|" + action->shortcut().toString();
    }
    return items.join(',');
}

TEST(MainWindow, MenusAndNew)
{
    Program program;
    // The two popup menus never show in the menu bar.
    EXPECT_EQ(
        Outline(program.main->menuBar()),
        "&File>[&New|Ctrl+N,New Orbits &Only|Ctrl+O,-,&Load...|Ctrl+L,&Save As...|Ctrl+S,-,&Print...|Ctrl+P,"
        "Print Pre&view...,Print &Grey for Black,-,E&xit|Ctrl+X],&Options>[&Life Support>[&Poor,&Average,"
        "&Good,&Excellent],&Bio Zone>[&Normal,&Double,&Triple],&Orbit Display>[&Arced|Ctrl+A,"
        "&Complete|Ctrl+C,&Flat|Ctrl+F],-,&Force Orbit>[&1,&2,&3,&4,&5,&6,&7,&8,&9,1&0],-,"
        "&Visible Orbit Lines|Ctrl+V,&White Orbit Lines,&Thicker Orbit Lines,&Colored Text],"
        "&Window>[Show Quick Tips Window],&Help>[&About Kelvane...]");
    EXPECT_EQ(Outline(program.main->ContainsPopup()) + "/" + Outline(program.main->EnvironmentPopup()),
              "&Planet,&Asteroids,&Nothing/&None,&Hostile,&Poor,&Average,&Good,&Excellent");

    ASSERT_TRUE(QTest::qWaitForWindowExposed(program.main));
    program.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.main));
    program.System().SystemName = "Mine";
    QTest::keyClick(program.main, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(program.System().SystemName, "Unnamed System");
    const StarSystem before = program.System();
    program.Find<QToolButton>("cmdToolbit_0")->click();
    EXPECT_NE(program.System(), before);
}

TEST(MainWindow, OrbitDisplayAndThickerLines)
{
    std::vector<std::int16_t> pointers;
    Program program;
    AppSettings& s = program.Settings();
    QComboBox* combo = program.main->OrbitDisplayCombo();
    const auto checked = [&](const char* item) { return program.Find(item)->isChecked(); };
    // Thicker lines alternate between 2 and 1, whatever was stored.
    const auto orbitPenWidth = [&program] {
        for (const Shape& shape : program.Display()->Surface().Shapes())
            if (shape.ShapeKind == Shape::Kind::Circle && !shape.Filled())
                return shape.PenWidth;
        return -1.0;
    };
    for (const auto& [stored, next] : {std::pair<std::int16_t, int>{1, 2}, {2, 1}, {5, 1}, {0, 2}, {-3, 2}}) {
        s.OrbitPenWidth = stored;
        program.Find("mnuOptionsThicker")->trigger();
        EXPECT_EQ(s.OrbitPenWidth, next) << stored;
        EXPECT_EQ(orbitPenWidth(), next) << stored;
        EXPECT_EQ(checked("mnuOptionsThicker"), next == 2) << stored;
    }

    // The refresh moves the combo without a second refresh: one hourglass,
    // and the busy flag down afterwards.
    program.controller.Mouse() = MousePointer([&](std::int16_t pointer) { pointers.push_back(pointer); });
    program.Find("mnuOptionsOrbitComplete")->trigger();
    EXPECT_EQ(s.OrbitDisplay, 3);
    EXPECT_EQ(combo->currentText(), "Complete");
    EXPECT_EQ(pointers, (std::vector<std::int16_t>{11, 0}));
    EXPECT_FALSE(program.controller.Mouse().BusyFlag());
    combo->setCurrentIndex(2);
    EXPECT_EQ(s.OrbitDisplay, 2);
    emit program.Find<QMenu>("mnuOptionsMenu")->aboutToShow();
    EXPECT_TRUE(checked("mnuOptionsOrbitFlat"));
    EXPECT_FALSE(checked("mnuOptionsOrbitArced") || checked("mnuOptionsOrbitComplete"));
}

TEST(Settings, SurviveARealRoundTrip)
{
    QTemporaryDir folder;
    const std::filesystem::path ini = folder.filePath("kelvane.ini").toStdString();
    const auto displayFrame = [](Program& p) { return p.main->ClientArea()->subWindowList().front(); };
    const QRect place(10, 20, 300, 280);
    {
        Program first(folder.path());
        EXPECT_FALSE(std::filesystem::exists(ini));
        first.Settings().LifeSupport = 4;
        first.Find("mnuOptionsOrbitFlat")->trigger();
        displayFrame(first)->setGeometry(place);
        first.main->close();
    }
    {
        Program second(folder.path());
        EXPECT_EQ(displayFrame(second)->geometry(), place);
        EXPECT_EQ(second.Settings().LifeSupport, 4);
        EXPECT_EQ(second.main->OrbitDisplayCombo()->currentText(), "Flat");
        second.main->showMaximized();
        QApplication::processEvents();
        second.main->close();
    }
    // Both sections with every key, in writing order.
    const std::string text = test::ReadFile(ini);
    std::size_t at = 0;
    for (const char* key :
         {"[Windows]",        "MainState=2",  "MainCorner1",   "MainCorner2",   "MainCorner3",
          "MainCorner4",      "InfoState",    "InfoCorner1",   "InfoCorner4",   "ElementsState",
          "ElementsCorner4",  "OrbitState=0", "OrbitCorner1",  "OrbitCorner4",  "QuickState",
          "QuickCorner4",     "[Options]",    "LifeSupport=4", "Biozone=1",     "OrbitDisplay=2",
          "VisibleOrbits=-1", "ColorText=-1", "SwapBW=-1",     "WhiteOrbits=0", "OrbitPenWidth=1"}) {
        at = text.find(key, at);
        ASSERT_NE(at, std::string::npos) << key << " in\n" << text;
    }
    EXPECT_TRUE(Program(folder.path()).main->isMaximized());
}

TEST(MousePointer, NestedPairsRestoreInReverseOrder)
{
    std::vector<std::int16_t> shown;
    MousePointer mouse([&shown](std::int16_t pointer) { shown.push_back(pointer); });
    // Each step pushes a pointer, or pops for -1, and leaves the pointer and
    // the busy flag. A pop before the first push does nothing at all; one
    // with nothing pushed shows the default; an inner hourglass popping back
    // to the outer one stays busy, and so does another pointer over it.
    const struct {
        std::int16_t push, current;
        bool busy;
    } steps[] = {{-1, 0, false}, {11, 11, true}, {11, 11, true}, {-1, 11, true}, {-1, 0, false},
                 {-1, 0, false}, {11, 11, true}, {1, 1, true},   {-1, 11, true}};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i].push < 0 ? mouse.PopMousePointer() : mouse.PushMousePointer(steps[i].push);
        EXPECT_EQ(mouse.Current(), steps[i].current) << "step " << i;
        EXPECT_EQ(mouse.BusyFlag(), steps[i].busy) << "step " << i;
    }
    EXPECT_EQ(shown, (std::vector<std::int16_t>{11, 11, 11, 0, 0, 11, 1, 11}));

    // Without a function of its own it drives one override cursor.
    MousePointer cursor;
    cursor.PushMousePointer(MousePointer::Hourglass);
    cursor.PushMousePointer(MousePointer::Hourglass);
    cursor.PopMousePointer();
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    cursor.PopMousePointer();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QuickTips, TextLayoutAndWindow)
{
    EXPECT_EQ(
        frmQuickOpts::TipsText(),
        "You can generate a new system at any time by clicking the button above, or by selecting New from "
        "either the toolbar or the File menu.\r\n\r\nYou can force an orbit to a contain a particular "
        "feature by using the Force Orbit options from the Options menu, or by right-clicking on the orbit "
        "in the Orbital Display.\r\n\r\nYou can also right-click on the items in the Contains or "
        "Environment columns of the Information window to change values there.");
    const frmQuickOpts::Layout designed = frmQuickOpts::LayoutFor(3090, 2820);
    EXPECT_EQ(designed.command1, QRectF(60, 60, 1485, 555));
    EXPECT_EQ(designed.command2, QRectF(1545, 60, 1485, 555));
    EXPECT_EQ(designed.text1, QRectF(60, 675, 2970, 2085));
    // Wider: both buttons grow alike; an odd width splits into halves.
    const frmQuickOpts::Layout wide = frmQuickOpts::LayoutFor(4001, 2000);
    EXPECT_EQ(wide.command1, QRectF(60, 60, 1940.5, 555));
    EXPECT_EQ(wide.command2, QRectF(2000.5, 60, 1940.5, 555));

    Program program;
    QMdiSubWindow* frame = program.controller.FrameOf(program.controller.QuickTips());
    frame->resize(40, 300);
    EXPECT_EQ(frame->width(), Px(1440));
    frame->resize(300, 40);
    EXPECT_EQ(frame->height(), Px(1440));
}

TEST(About, VersionAndCentredEveryTime)
{
    Program program;
    for (int opening = 0; opening < 2; ++opening) {
        QRect seen;
        QString version;
        test::WhenModal<frmSplash>([&](frmSplash* about) {
            seen = about->frameGeometry();
            version = about->findChild<QLabel*>("lblVersion")->text();
            about->move(0, 0); // moved away, it still opens centred the next time
        });
        program.controller.ShowAbout();
        EXPECT_EQ(version, "Version 3.5 b20");
        const QPoint offCentre = seen.center() - QApplication::primaryScreen()->geometry().center();
        EXPECT_LE(std::abs(offCentre.x()), 1);
        EXPECT_LE(std::abs(offCentre.y()), 1);
    }
}

} // namespace
} // namespace kelvane
