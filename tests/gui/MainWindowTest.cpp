#include <QScopeGuard>
#include <QtPrintSupport>
#include <vector>

#include "GuiTestSupport.h"
#include "gui/display/MousePointer.h"
#include "gui/display/Twips.h"
#include "gui/report/ReportPrinter.h"
#include "gui/report/frmPreview.h"
#include "gui/sector/frmSector.h"
#include "gui/shell/frmQuickOpts.h"
#include "gui/shell/frmSplash.h"
#include "gui/views/frmElements.h"

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

TEST(MainWindow, Menus)
{
    Program program;
    // The two popup menus never show in the menu bar.
    EXPECT_EQ(
        Outline(program.main->menuBar()),
        "&File>[&New|Ctrl+N,New Orbits &Only|Ctrl+O,-,&Load...|Ctrl+L,&Save As...|Ctrl+S,-,&Print...|Ctrl+P,"
        "Print Pre&view...,Print &Grey for Black,-,E&xit|Ctrl+X],&Edit>[&Undo|Ctrl+Z,&Redo|Ctrl+Y,-,"
        "Copy &Picture,Copy as &Text,Copy System &Code,-,New from Code...,&Import System...,&Export...],"
        "&Options>[&Life Support>[&Poor,&Average,&Good,&Excellent],&Bio Zone>[&Normal,&Double,&Triple],"
        "&Orbit Display>[&Arced|Ctrl+A,&Complete|Ctrl+C,&Flat|Ctrl+F],-,"
        "&Force Orbit>[&1,&2,&3,&4,&5,&6,&7,&8,&9,1&0],-,&Visible Orbit Lines|Ctrl+V,&White Orbit Lines,"
        "&Thicker Orbit Lines,&Colored Text],&Sector>[&New Sector...,&Open Sector...,Save Sector &As...,"
        "&Rename Sector...,Export Notes &Vault...],&Window>[Show Quick Tips Window],&Help>[&About "
        "Kelvane...]");
    EXPECT_EQ(Outline(program.main->ContainsPopup()) + "/" + Outline(program.main->EnvironmentPopup()),
              "&Planet,&Asteroids,&Nothing/&None,&Hostile,&Poor,&Average,&Good,&Excellent");
}

TEST(MainWindow, EveryFileItemAndToolbarButton)
{
    Program program;
    int printDialogs = 0;
    program.controller.Printer().SetPrintDialog([&](QPrinter&, QWidget*) {
        ++printDialogs;
        return false;
    });
    // A menu item or a toolbar button.
    const auto press = [&](const char* name) {
        name[0] == 'm' ? program.Trigger(name) : program.Find<QToolButton>(name)->click();
    };
    AppState& app = program.State();

    // New and New Orbits Only are steps of the Edit menu's test. Load and Save As ask for a file; Print asks
    // the print dialog; the preview is a modal window.
    for (const char* name :
         {"mnuFileLoad", "cmdToolbit_1", "mnuFileSave", "cmdToolbit_2", "mnuFilePrint", "cmdToolbit_3"})
        press(name);
    const QString asked = program.dialogs->proposals.join('|');
    EXPECT_EQ(std::tuple(asked.count("open "), asked.count("save "), printDialogs), std::tuple(2, 2, 2));
    for (const char* name : {"mnuFilePrintPreview", "cmdToolbit_4"}) {
        bool shown = false;
        test::WhenModal<frmPreview>([&](frmPreview*) { shown = true; });
        press(name);
        EXPECT_TRUE(shown) << name;
    }

    // Grey for Black: checkmark = the new value, and the menu shows the
    // option as it is whenever it opens.
    QAction* swap = program.Find("mnuFileSwap");
    for (const auto& [stored, next] : {std::pair<std::int16_t, std::int16_t>{-1, 0}, {0, -1}, {3, 0}}) {
        app.settings.SwapBW = stored;
        swap->trigger();
        EXPECT_EQ(app.settings.SwapBW, next);
        EXPECT_EQ(swap->isChecked(), next != 0);
    }
    app.settings.SwapBW = 5;
    emit program.Find<QMenu>("mnuFileMenu")->aboutToShow();
    EXPECT_TRUE(swap->isChecked());

    // Exit saves the settings and closes the window.
    app.settings.LifeSupport = LifeSupportLevel::Good;
    press("mnuFileExit");
    EXPECT_FALSE(program.main->isVisible());
    EXPECT_NE(test::ReadBytes(program.controller.SettingsPath()).find("LifeSupport=3"), std::string::npos);
}

TEST(MainWindow, EveryOptionsItem)
{
    std::vector<std::int16_t> pointers;
    Program program;
    AppSettings& s = program.Settings();
    QComboBox* combo = program.main->OrbitDisplayCombo();
    const auto checked = [&](const char* item) { return program.Find(item)->isChecked(); };
    const auto openOptions = [&] { emit program.Find<QMenu>("mnuOptionsMenu")->aboutToShow(); };

    // The radio items set their option, and the menu checks the item of the
    // option's value, the first item for a value no item stands for.
    const DrawingSurface& surface = program.Display()->Surface();
    const auto shapes = surface.Shapes();
    const std::tuple<const char*, int, int> radios[] = {
        {"mnuOptionsLifePoor", 1, 1},      {"mnuOptionsLifeAverage", 2, 1},
        {"mnuOptionsLifeGood", 3, 1},      {"mnuOptionsLifeExcellent", 4, 1},
        {"mnuOptionsBiozoneDouble", 4, 2}, {"mnuOptionsBiozoneTriple", 4, 3},
        {"mnuOptionsBiozoneNormal", 4, 1}};
    for (const auto& [item, lifeSupport, biozone] : radios) {
        program.Trigger(item);
        EXPECT_EQ(std::pair(int(s.LifeSupport), int(s.Biozone)), std::pair(lifeSupport, biozone)) << item;
        openOptions();
        EXPECT_TRUE(checked(item));
    }
    // Neither option redraws anything.
    EXPECT_EQ(surface.Shapes(), shapes);
    s.LifeSupport = LifeSupportLevel{9};
    s.Biozone = BiozoneWidth{0};
    s.OrbitDisplay = OrbitDisplayStyle{7};
    openOptions();
    EXPECT_TRUE(checked("mnuOptionsLifePoor") && checked("mnuOptionsBiozoneNormal") &&
                checked("mnuOptionsOrbitArced"));
    EXPECT_FALSE(checked("mnuOptionsLifeExcellent") || checked("mnuOptionsBiozoneTriple"));

    // Each style refreshes once, moving the combo without a second refresh:
    // one hourglass, and the busy flag down afterwards.
    program.controller.Mouse() = MousePointer([&](std::int16_t pointer) { pointers.push_back(pointer); });
    const std::tuple<const char*, OrbitDisplayStyle, const char*> styles[] = {
        {"mnuOptionsOrbitComplete", OrbitDisplayStyle::Complete, "Complete"},
        {"mnuOptionsOrbitFlat", OrbitDisplayStyle::Flat, "Flat"},
        {"mnuOptionsOrbitArced", OrbitDisplayStyle::Arced, "Arced"}};
    for (const auto& [item, style, text] : styles) {
        pointers.clear();
        program.Trigger(item);
        EXPECT_EQ(s.OrbitDisplay, style);
        EXPECT_EQ(combo->currentText(), text);
        EXPECT_EQ(pointers, (std::vector<std::int16_t>{11, 0})) << item;
        EXPECT_FALSE(program.controller.Mouse().BusyFlag());
    }
    combo->setCurrentIndex(2);
    EXPECT_EQ(s.OrbitDisplay, OrbitDisplayStyle::Flat);
    openOptions();
    EXPECT_TRUE(checked("mnuOptionsOrbitFlat"));
    EXPECT_FALSE(checked("mnuOptionsOrbitArced") || checked("mnuOptionsOrbitComplete"));

    // The toggles: checkmark = the new value, and a redraw but for Colored Text.
    const auto orbitLine = [&program]() -> const Shape* {
        for (const Shape& shape : program.Display()->Surface().Shapes())
            if (shape.ShapeKind == Shape::Kind::Line)
                return &shape;
        return nullptr;
    };
    program.Trigger("mnuOptionsVisible");
    EXPECT_EQ(s.VisibleOrbits, 0);
    EXPECT_FALSE(checked("mnuOptionsVisible"));
    EXPECT_EQ(orbitLine(), nullptr);
    program.Trigger("mnuOptionsVisible");
    EXPECT_EQ(s.VisibleOrbits, -1);
    ASSERT_NE(orbitLine(), nullptr);
    program.Trigger("mnuOptionsWhite");
    EXPECT_EQ(s.WhiteOrbits, -1);
    EXPECT_TRUE(checked("mnuOptionsWhite"));
    EXPECT_EQ(orbitLine()->PenColor, 0xFFFFFF);
    // Thicker lines alternate between 2 and 1, whatever was stored.
    for (const auto& [stored, next] : {std::pair<std::int16_t, int>{1, 2}, {2, 1}, {5, 1}, {0, 2}, {-3, 2}}) {
        s.OrbitPenWidth = stored;
        program.Trigger("mnuOptionsThicker");
        EXPECT_EQ(s.OrbitPenWidth, next) << stored;
        EXPECT_EQ(orbitLine()->PenWidth, next) << stored;
        EXPECT_EQ(checked("mnuOptionsThicker"), next == 2) << stored;
    }
    const auto lines = program.Display()->Surface().Shapes();
    program.Trigger("mnuOptionsColor");
    EXPECT_EQ(s.ColorText, 0);
    EXPECT_FALSE(checked("mnuOptionsColor"));
    EXPECT_EQ(program.Display()->Surface().Shapes(), lines);

    // Opening the menu sets Visible and Colored Text from the options but
    // leaves White and Thicker as their own commands left them.
    s.VisibleOrbits = 0;
    s.ColorText = -1;
    s.WhiteOrbits = 0;
    s.OrbitPenWidth = 1;
    openOptions();
    EXPECT_FALSE(checked("mnuOptionsVisible"));
    EXPECT_TRUE(checked("mnuOptionsColor"));
    EXPECT_TRUE(checked("mnuOptionsWhite") && checked("mnuOptionsThicker"));
}

// Options and places survive a real round trip; the Sector window's place
// is kept under keys of its own, after the other windows' keys, and closing
// that window closes the sector and keeps its place.
TEST(Settings, SurviveARealRoundTrip)
{
    QTemporaryDir folder;
    const std::filesystem::path ini = folder.filePath("kelvane.ini").toStdString();
    const auto displayFrame = [](Program& p) { return p.main->ClientArea()->subWindowList().front(); };
    const QRect place(10, 20, 300, 280), sector(25, 35, 500, 400), moved = sector.translated(10, 20);
    {
        Program first(folder.path());
        EXPECT_FALSE(std::filesystem::exists(ini));
        EXPECT_EQ(first.Windows().SectorWindow(), nullptr);
        first.Settings().LifeSupport = LifeSupportLevel::Excellent;
        first.Trigger("mnuOptionsOrbitFlat");
        displayFrame(first)->setGeometry(place);
        first.NewSector()->setGeometry(sector);
        first.main->close();
    }
    {
        Program second(folder.path());
        EXPECT_EQ(second.main->ClientArea()->subWindowList().size(), 4); // no sector at start
        EXPECT_EQ(displayFrame(second)->geometry(), place);
        EXPECT_EQ(second.Settings().LifeSupport, LifeSupportLevel::Excellent);
        EXPECT_EQ(second.main->OrbitDisplayCombo()->currentText(), "Flat");
        QMdiSubWindow* frame = second.NewSector();
        EXPECT_EQ(frame->geometry(), sector);
        frame->setGeometry(moved);
        frame->close();
        EXPECT_EQ(second.CurrentSector(), nullptr);
        EXPECT_FALSE(second.Find("mnuSectorSaveAs")->isEnabled());
        EXPECT_EQ(second.NewSector()->geometry(), moved);
        EXPECT_TRUE(second.Find("mnuSectorSaveAs")->isEnabled());
        second.main->showMaximized();
        QApplication::processEvents();
        second.main->close();
    }
    // What the windows gave the file (the keys' order is the settings
    // store's): the main window maximized, the display normal, the Sector
    // window at its moved place, in twips.
    const std::string text = test::ReadBytes(ini);
    for (const char* key : {"MainState=2\r\n", "OrbitState=0\r\n", "SectorState=0\r\n",
                            "SectorCorner1=825\r\n", "SectorCorner2=525\r\n", "SectorCorner3=6000\r\n",
                            "SectorCorner4=7500\r\n", "LifeSupport=4\r\n", "OrbitDisplay=2\r\n"})
        EXPECT_NE(text.find(key), std::string::npos) << key << " in\n" << text;
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

TEST(QuickTips, LayoutAndWindow)
{
    const frmQuickOpts::Layout designed = frmQuickOpts::LayoutFor(3090, 2820);
    EXPECT_EQ(designed.command1, QRectF(60, 60, 1485, 555));
    EXPECT_EQ(designed.command2, QRectF(1545, 60, 1485, 555));
    EXPECT_EQ(designed.text1, QRectF(60, 675, 2970, 2085));
    // Wider: both buttons grow alike; an odd width splits into halves.
    const frmQuickOpts::Layout wide = frmQuickOpts::LayoutFor(4001, 2000);
    EXPECT_EQ(wide.command1, QRectF(60, 60, 1940.5, 555));
    EXPECT_EQ(wide.command2, QRectF(2000.5, 60, 1940.5, 555));

    Program program;
    QMdiSubWindow* frame = program.Frame(program.Windows().QuickTips());
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
        program.Trigger("mnuHelpAbout");
        EXPECT_EQ(version, "Version 3.5 b20");
        const QPoint offCentre = seen.center() - QApplication::primaryScreen()->geometry().center();
        EXPECT_LE(std::abs(offCentre.x()), 1);
        EXPECT_LE(std::abs(offCentre.y()), 1);
    }
}

// A closed child window comes back whole, where its placement says, when
// the program needs it again; the Window menu lists it once more.
TEST(ChildWindows, ComeBackAfterTheyAreClosed)
{
    Program program;
    ChildWindows& windows = program.Windows();
    const auto frame = [&](QWidget* content) { return windows.FrameOf(content); };
    const auto listed = [&] { return program.WindowMenu().join('|'); };
    EXPECT_EQ(listed(),
              "Show Quick Tips Window||&1 Orbital Display (Unnamed System)|&2 Elements|&3 Information|"
              "&4 Quick Tips");

    // Information, Elements and the Orbital Display, closed by their close
    // boxes, are back after a new system, at their recorded places.
    const QPoint infoPlace(Px(program.Settings().Info.Corner2), Px(program.Settings().Info.Corner1));
    frame(windows.Info())->move(300, 200);
    // Each call loads the window if it is not there.
    const auto three = [&] {
        return std::array<QWidget*, 3>{windows.Info(), windows.Elements(), windows.OrbitalDisplay()};
    };
    for (QWidget* content : three())
        frame(content)->close();
    QApplication::processEvents();
    EXPECT_EQ(listed(), "Show Quick Tips Window||&1 Quick Tips");
    program.Trigger("mnuFileNew");
    for (QWidget* content : three()) {
        ASSERT_NE(frame(content), nullptr);
        EXPECT_TRUE(frame(content)->isVisible() && content->isVisible())
            << content->objectName().toStdString();
    }
    EXPECT_EQ(frame(windows.Info())->pos(), infoPlace);
    EXPECT_EQ(program.NameBox()->text(), "Unnamed System");
    EXPECT_EQ(listed().count('&'), 4);

    // Renaming the system reaches a display that was closed: it comes back
    // with the caption and the drawing.
    frame(windows.OrbitalDisplay())->close();
    QApplication::processEvents();
    QTest::keyClicks(program.NameBox(), "!");
    EXPECT_EQ(windows.OrbitalDisplay()->windowTitle(), "Orbital Display (Unnamed System!)");
    EXPECT_TRUE(frame(windows.OrbitalDisplay())->isVisible());
    EXPECT_FALSE(program.Display()->Surface().Shapes().empty());

    // Quick Tips comes back with both buttons and its text, laid out.
    frame(windows.QuickTips())->close();
    QApplication::processEvents();
    program.Trigger("mnuHelpQuick");
    frmQuickOpts* tips = windows.QuickTips();
    ASSERT_TRUE(frame(tips) != nullptr && frame(tips)->isVisible());
    auto* text = program.Find<QPlainTextEdit>("Text1", tips);
    EXPECT_EQ(text->toPlainText(), frmQuickOpts::TipsText().replace("\r\n", "\n"));
    for (QWidget* part : std::array<QWidget*, 3>{text, program.Find<QPushButton>("Command1", tips),
                                                 program.Find<QPushButton>("Command2", tips)})
        EXPECT_TRUE(part->isVisible() && part->width() > 50 && part->height() > 20)
            << part->objectName().toStdString();
    EXPECT_EQ(program.main->ClientArea()->activeSubWindow(), frame(tips));
}

// The same command by menu, shortcut or button, wherever the focus is: the
// name box does not keep Ctrl+X, Ctrl+C, Ctrl+V and Ctrl+A for itself.
TEST(ChildWindows, ShortcutsWinOverTheNameBox)
{
    Program program;
    program.Activate();
    // At start-up Quick Tips, shown last, is active with its first button.
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command1");

    AppSettings& s = program.Settings();
    QLineEdit* box = program.NameBox();
    box->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), box);
    program.System().SystemName = "Mine";
    QTest::keyClick(box, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(program.System().SystemName, "Unnamed System");
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(s.OrbitDisplay, OrbitDisplayStyle::Complete);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(s.OrbitDisplay, OrbitDisplayStyle::Arced);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(s.VisibleOrbits, 0);
    EXPECT_EQ(box->text(), "Unnamed System"); // nothing was pasted or cut
    // A read-only text box with a selection does not keep them either.
    auto* tips = program.Find<QPlainTextEdit>("Text1", program.Windows().QuickTips());
    tips->setFocus();
    tips->selectAll();
    QTest::keyClick(tips, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(s.OrbitDisplay, OrbitDisplayStyle::Flat);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(program.main->isVisible());
    EXPECT_TRUE(std::filesystem::exists(program.controller.SettingsPath()));
}

} // namespace
} // namespace kelvane
