#include <QAccessible>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <set>

#include "GuiTestSupport.h"
#include "Shell.h"
#include "core/files/SystemFile.h"
#include "core/sector/HexDescription.h"
#include "core/sector/SectorFile.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorGeneration.h"
#include "core/sector/SectorMap.h"
#include "gui/sector/SectorMapView.h"
#include "gui/sector/frmNewSector.h"
#include "gui/sector/frmSector.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using test::Q;

const SectorOptions& Small = test::SmallSector;

struct SectorWindow : ::testing::Test, test::Program {
    void OpenSector(const fs::path& folder)
    {
        dialogs->folder = Q(folder);
        Trigger("mnuSectorOpen");
    }
    void SaveSector(const fs::path& folder)
    {
        dialogs->folder = Q(folder);
        Trigger("mnuSectorSaveAs");
    }
    SectorMapView* View() { return Windows().SectorWindow()->MapView(); }
    // A click on the hex as it shows in the window.
    void Click(HexNumber hex)
    {
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, View()->HexCentre(hex).toPoint());
    }
    const SectorSystem& Entry(HexNumber hex) { return *CurrentSector()->At(hex); }
    const AppState& App() { return Document().State(); }
    // An occupied hex whose system has a planet, and that planet's orbit.
    std::pair<HexNumber, int> HexWithAPlanet()
    {
        for (const SectorSystem& entry : CurrentSector()->systems)
            for (int n = 1; n <= StarSystem::OrbitCount; ++n)
                if (IsEnvironment(entry.system.Orbit(n).Type) && entry.system.Orbit(n).Type != TypeEnvGood)
                    return {entry.hex, n};
        ADD_FAILURE() << "no planet in the sector";
        return {};
    }
    fs::path dir = own.path().toStdString();
};

// New Sector's own dialog: it proposes what was made last (random seed at
// first) with the options' Life Support and Bio Zone, refuses a seed that is
// no 64-bit number, and makes the sector it was asked for. Save Sector As's
// own dialog takes the name of a new folder typed into it.
TEST_F(SectorWindow, NewSectorAndSaveSectorAsThroughTheirDialogs)
{
    controller.SetDialogs(std::make_unique<QtDialogs>(main));
    EXPECT_FALSE(Find("mnuSectorSaveAs")->isEnabled());
    Settings().LifeSupport = LifeSupportLevel::Good;
    Settings().Biozone = BiozoneWidth::Double;
    const StarSystem system = App().system;

    test::WhenModal<frmNewSector>([&](frmNewSector* dialog) {
        EXPECT_EQ(Find<QSpinBox>("spnWidth", dialog)->value(), 8);
        EXPECT_EQ(Find<QSpinBox>("spnHeight", dialog)->value(), 10);
        EXPECT_EQ(Find<QDoubleSpinBox>("spnDensity", dialog)->value(), 0.5);
        EXPECT_EQ(Find<QLabel>("lblGeneration", dialog)->text(), "Life Support Good, Bio Zone Double");
        auto* seed = Find<QLineEdit>("txtSeed", dialog);
        EXPECT_FALSE(seed->isEnabled());
        Find<QCheckBox>("chkRandomSeed", dialog)->click();
        EXPECT_TRUE(seed->isEnabled());
        Find<QSpinBox>("spnWidth", dialog)->setValue(6);
        Find<QSpinBox>("spnHeight", dialog)->setValue(5);
        Find<QDoubleSpinBox>("spnDensity", dialog)->setValue(0.6);
        for (const char* wrong : {"18446744073709551616", "-1", "5x", ""}) {
            seed->setText(QLatin1String(wrong));
            Find<QPushButton>("Okay", dialog)->click();
            EXPECT_TRUE(dialog->isVisible()) << wrong;
            EXPECT_TRUE(Find<QLabel>("lblError", dialog)->isVisibleTo(dialog)) << wrong;
        }
        seed->setText("5");
        Find<QPushButton>("Okay", dialog)->click();
    });
    Trigger("mnuSectorNew");
    ASSERT_NE(CurrentSector(), nullptr);
    EXPECT_EQ(*CurrentSector(), GenerateSector(Small));
    EXPECT_EQ(Windows().SectorWindow()->windowTitle(), Q(SectorTitle(GenerateSector(Small))));
    EXPECT_TRUE(Find("mnuSectorSaveAs")->isEnabled());
    EXPECT_EQ(WindowMenu().last(), "&5 " + Windows().SectorWindow()->windowTitle());
    // Making a sector is no change of the current system.
    EXPECT_EQ(App().system, system);
    EXPECT_EQ(UndoCount(), 0);

    // The next proposal is what was made; a random seed makes another sector.
    test::WhenModal<frmNewSector>([&](frmNewSector* dialog) {
        EXPECT_EQ(Find<QSpinBox>("spnWidth", dialog)->value(), 6);
        EXPECT_EQ(Find<QLineEdit>("txtSeed", dialog)->text(), "5");
        Find<QCheckBox>("chkRandomSeed", dialog)->click();
        Find<QPushButton>("Okay", dialog)->click();
    });
    Trigger("mnuSectorNew");
    EXPECT_NE(CurrentSector()->options.seed, 5u);
    EXPECT_EQ(CurrentSector()->options.width, 6);
    test::WhenModal<frmNewSector>(
        [&](frmNewSector* dialog) { Find<QPushButton>("Cancel", dialog)->click(); });
    const Sector before = *CurrentSector();
    Trigger("mnuSectorNew");
    EXPECT_EQ(*CurrentSector(), before);

    bool typed = false;
    test::WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        dialog->setDirectory(Q(dir));
        auto* name = Find<QLineEdit>("fileNameEdit", dialog);
        name->setText(QStringLiteral("fresh"));
        QTest::keyClick(name, Qt::Key_Return);
        typed = !dialog->isVisible();
    });
    Trigger("mnuSectorSaveAs");
    EXPECT_TRUE(typed);
    EXPECT_TRUE(fs::exists(dir / "fresh" / "sector.json"));
}

// The Sector window opens beside the child windows that show, as tall as
// the client area, over none of them; where there is no room for it (the
// offscreen screen is too narrow for the main window to grow), over them.
TEST_F(SectorWindow, OpensBesideTheOtherWindowsWhereThereIsRoom)
{
    main->resize(1500, 700);
    QApplication::processEvents();
    QMdiSubWindow* sector = NewSector();
    QMdiArea* area = main->ClientArea();
    EXPECT_EQ(sector->geometry().bottom(), area->viewport()->height() - 1);
    EXPECT_GE(sector->width(), 480);
    for (const QMdiSubWindow* frame : area->subWindowList()) {
        if (frame != sector && frame->isVisible()) {
            EXPECT_FALSE(frame->geometry().intersects(sector->geometry()));
        }
    }

    sector->close();
    main->resize(1100, 700);
    QApplication::processEvents();
    ASSERT_LT(main->screen()->availableGeometry().right(), main->frameGeometry().right());
    Settings().Sector.State = -1;
    EXPECT_EQ(NewSector()->pos(), QPoint(40, 30));
}

// A click on a system makes it the current system as the document's step
// (which keeps its edits in the sector); the windows show it, and Save
// Sector As writes it as it is.
TEST_F(SectorWindow, AClickedSystemIsCurrentAndItsEditsAreKeptInTheSector)
{
    NewSector();
    ASSERT_NE(Windows().SectorWindow(), nullptr);
    const auto [hex, orbit] = HexWithAPlanet();
    const SectorSystem made = Entry(hex);
    const HexNumber empty = test::EmptyHex(*CurrentSector());

    // An empty hex is no system to open.
    Click(empty);
    EXPECT_EQ(UndoCount(), 0);
    const QString step = "Hex " + Q(hex.Text()) + " (" + Q(made.name) + ")";
    Click(hex);
    EXPECT_EQ(App().system, made.system);
    EXPECT_EQ(App().CurrentFileName, "");
    EXPECT_EQ(UndoText(), "&Undo " + step);
    EXPECT_EQ(Windows().OrbitalDisplay()->windowTitle(), "Orbital Display (" + Q(made.name) + ")");
    EXPECT_EQ(Find<QLabel>("lblSystemCode")->text(), "System Code: " + Q(made.code));
    EXPECT_EQ(View()->CurrentHex(), hex);

    // Hovering shows the hex, and for a system its name and star.
    const auto tip = [&](HexNumber at) {
        QHelpEvent help(QEvent::ToolTip, View()->HexCentre(at).toPoint(),
                        View()->viewport()->mapToGlobal(View()->HexCentre(at).toPoint()));
        QApplication::sendEvent(View()->viewport(), &help);
        return QToolTip::text();
    };
    EXPECT_EQ(tip(hex), Q(hex.Text() + " " + made.name + ": ") +
                            Q(std::string(StarTypeName(made.summary.starType, made.summary.starClass))) +
                            ", " + Q(std::string(StarClassName(made.summary.starClass))));
    EXPECT_EQ(tip(empty), Q(empty.Text()) + ": no system");

    // A popup item and a new name, through the Information window.
    Choose("EnvironmentLabel", orbit - 1, "popEnvGood");
    NameBox()->selectAll();
    QTest::keyClicks(NameBox(), "Haven");
    const StarSystem edited = App().system;
    EXPECT_EQ(edited.Orbit(orbit).Type, TypeEnvGood);
    EXPECT_EQ(Entry(hex).system, edited);
    EXPECT_EQ(Entry(hex).name, "Haven");
    EXPECT_TRUE(Windows().SectorWindow()->windowTitle().startsWith("Sector 5:"));

    // New puts another system in the hex's place, and the map marks none;
    // undone, the hex is current again.
    Trigger("mnuFileNew");
    EXPECT_EQ(View()->CurrentHex(), std::nullopt);
    Trigger("mnuEditUndo");
    EXPECT_EQ(View()->CurrentHex(), hex);

    // Saved, the edited system is the hex's file and the current system's;
    // the map stays as it was shown. (How an edited system is written is the
    // sector folder's test.)
    View()->ZoomAt(2, QPointF(40, 40));
    const double scale = View()->Scale();
    SaveSector(dir / "out");
    EXPECT_EQ(dialogs->errors, QStringList());
    EXPECT_EQ(View()->Scale(), scale);
    EXPECT_EQ(View()->CurrentHex(), hex);
    const fs::path file = dir / "out" / HexFileName(hex);
    EXPECT_EQ(test::ReadBytes(file), SystemFileText(edited, '.'));
    EXPECT_EQ(App().CurrentFileName, file.string());
    EXPECT_TRUE(Find<QLabel>("lblSectorInfo", Windows().SectorWindow())->text().endsWith(Q(dir / "out")));
}

// A folder kelvane-cli wrote opens as the sector it holds and is written back
// byte for byte; a damaged or foreign folder is refused with what is wrong,
// and so is a folder with other files for saving; a sector already there is
// replaced only after asking.
TEST_F(SectorWindow, OpenAndSaveFoldersOfKelvaneCli)
{
    const std::string cli = test::AsAScript + std::string(KELVANE_CLI_PATH);
    ASSERT_EQ(test::Shell(cli + " sector --seed 7 --book on -o " + (dir / "cli").string()).status, 0);
    OpenSector(dir / "cli");
    ASSERT_NE(CurrentSector(), nullptr);
    const Sector seven = GenerateSector({7, 8, 10, 0.5, LifeSupportLevel::Average, BiozoneWidth::Normal});
    EXPECT_EQ(*CurrentSector(), seven);
    EXPECT_EQ(Document().SectorFolder(), (dir / "cli").string());
    const HexNumber hex = seven.systems[3].hex;
    Click(hex);
    EXPECT_EQ(App().CurrentFileName, (dir / "cli" / HexFileName(hex)).string());

    SaveSector(dir / "copy");
    EXPECT_EQ(dialogs->proposals.back(), "sector save " + Q(dir / "cli"));
    EXPECT_TRUE(test::FilesIn(dir / "copy") == test::FilesIn(dir / "cli"));
    EXPECT_EQ(dialogs->questions, QStringList());

    // Damaged and foreign folders.
    fs::copy(dir / "cli", dir / "damaged");
    fs::remove(dir / "damaged" / HexFileName(hex));
    fs::create_directory(dir / "other");
    test::WriteBytes(dir / "other" / "notes.txt", "mine");
    OpenSector(dir / "damaged");
    OpenSector(dir / "other");
    const QString damaged = Q(dir / "damaged");
    const QString other = Q(dir / "other");
    EXPECT_EQ(dialogs->errors,
              QStringList({damaged + "\nThis sector cannot be opened.\n" + Q(HexFileName(hex)) +
                               ": No such file or directory",
                           other + "\nThis folder holds no sector: it has no sector.json."}));
    EXPECT_EQ(*CurrentSector(), seven);
    EXPECT_EQ(Document().SectorFolder(), (dir / "copy").string());
    EXPECT_EQ(View()->CurrentHex(), hex);

    // Saving: other files refuse the folder; a sector there is replaced
    // only on Yes.
    dialogs->errors.clear();
    SaveSector(dir / "other");
    EXPECT_EQ(
        dialogs->errors,
        QStringList(
            "The sector was not saved.\n" + other +
            ": holds notes.txt, which is not a sector's file; choose an empty folder or a sector's own"));
    EXPECT_EQ(test::FilesIn(dir / "other").size(), 1u);
    NewSector();
    dialogs->overwrite = QMessageBox::No;
    SaveSector(dir / "copy");
    EXPECT_EQ(dialogs->questions,
              QStringList(Q(dir / "copy") + "\nThis folder holds a sector already. Replace it?"));
    EXPECT_TRUE(test::FilesIn(dir / "copy") == test::FilesIn(dir / "cli"));
    EXPECT_EQ(Document().SectorFolder(), "");
    dialogs->overwrite = QMessageBox::Yes;
    SaveSector(dir / "copy");
    Sector read;
    ASSERT_TRUE(ReadSectorFolder((dir / "copy").string(), '.', read).Ok());
    EXPECT_EQ(read, GenerateSector(Small));
    EXPECT_EQ(test::FilesIn(dir / "copy").size(), GenerateSector(Small).systems.size() + 3);
}

// Save Sector As writes on a thread of its own: it runs to the end with the
// window's events going on, without the book when the box is cleared; a
// cancel leaves the sector that was there whole and says nothing. (What a
// stopped write leaves is the sector folder's test.)
TEST_F(SectorWindow, SaveRunsOffTheWindowsThreadAndACancelKeepsTheOldSector)
{
    NewSector();
    dialogs->book = false;
    SaveSector(dir / "small");
    const int steps = static_cast<int>(GenerateSector(Small).systems.size()) + 2;
    EXPECT_EQ(dialogs->progress, std::make_pair(steps, steps));
    EXPECT_FALSE(fs::exists(dir / "small" / "sector.pdf"));
    EXPECT_EQ(Document().SectorFolder(), (dir / "small").string());

    // A sector whose book takes seconds, cancelled at the first look.
    const auto before = test::FilesIn(dir / "small");
    NewSector({3, 32, 40, 1, LifeSupportLevel::Good, BiozoneWidth::Double});
    dialogs->book = true;
    dialogs->cancelSave = true;
    SaveSector(dir / "small");
    EXPECT_LT(dialogs->progress.first, dialogs->progress.second);
    EXPECT_TRUE(test::FilesIn(dir / "small") == before);
    EXPECT_EQ(dialogs->errors, QStringList());
    EXPECT_EQ(Document().SectorFolder(), "");
}

// A map too large to read fitted in opens where its hex numbers read, at
// its top left corner, and 0 fits it in. The wheel zooms about the pointer,
// within the fitted map and a hex 400 pixels across (a map narrower than the
// view stays in its middle); a drag pans and is no click.
TEST_F(SectorWindow, ZoomsAboutThePointerAndADragIsNoClick)
{
    NewSector({9, 64, 80, 1, LifeSupportLevel::Average, BiozoneWidth::Normal});
    SectorMapView* view = View();
    QWidget* port = view->viewport();
    EXPECT_FALSE(view->IsFitted());
    EXPECT_GE(view->Scale() * MapNumberSize, SectorMapView::ReadableTextPixels);
    EXPECT_TRUE(QRectF(port->rect()).contains(view->HexCentre({1, 1})));
    QTest::keyClick(view, Qt::Key_0);
    const double fit = view->Scale();
    EXPECT_TRUE(view->IsFitted());
    const QPointF at(port->width() * 0.3, port->height() * 0.6);
    const auto wheel = [&](int notches) {
        QWheelEvent event(at, port->mapToGlobal(at), {}, QPoint(0, notches * 120), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(port, &event);
    };
    wheel(6);
    EXPECT_NEAR(view->Scale(), fit * std::pow(1.25, 6), 1e-9);
    EXPECT_FALSE(view->IsFitted());
    const std::optional<HexNumber> under = view->HexAt(at);
    ASSERT_TRUE(under);
    const QPointF shown = view->HexCentre(*under);
    wheel(2);
    EXPECT_EQ(view->HexAt(at), under);
    EXPECT_NEAR(QLineF(view->HexCentre(*under) - at, (shown - at) * 1.5625).length(), 0, 1.5);
    wheel(40);
    EXPECT_EQ(view->Scale(), SectorMapView::MaxScale);
    EXPECT_EQ(view->HexAt(at), under);

    // A drag moves the map with the pointer and opens nothing.
    const QPoint from = at.toPoint(), to = from + QPoint(-150, -90);
    const QPointF centre = view->HexCentre(*under);
    QTest::mousePress(port, Qt::LeftButton, {}, from);
    QTest::mouseMove(port, from + QPoint(-50, -30));
    QTest::mouseMove(port, to);
    QTest::mouseRelease(port, Qt::LeftButton, {}, to);
    EXPECT_EQ(view->HexCentre(*under), centre + QPointF(to - from));
    EXPECT_EQ(UndoCount(), 0);

    wheel(-80);
    EXPECT_EQ(view->Scale(), fit);
    EXPECT_TRUE(view->IsFitted());
}

// From the keyboard: Ctrl+Tab reaches the map, the arrow keys move a framed focus
// hex within the grid and the view follows it, Enter or Space makes an
// occupied hex current as a click does. A screen reader reads every hex, the
// current one selected and the keyboard's one focused.
TEST_F(SectorWindow, TheKeyboardChoosesHexesAndAScreenReaderReadsThem)
{
    NewSector();
    SectorMapView* view = View();
    Activate();
    // Ctrl+Tab goes from child window to child window, F6 to the toolbar's
    // combo and back.
    NameBox()->setFocus();
    std::set<QString> reached;
    for (int i = 0; i < 8 && QApplication::focusWidget() != view; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        reached.insert(QApplication::focusWidget()->objectName());
    }
    ASSERT_EQ(QApplication::focusWidget(), view)
        << QStringList(reached.begin(), reached.end()).join(' ').toStdString();
    QTest::keyClick(view, Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("cmbOrbitDisplay"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), view);
    EXPECT_EQ(view->FocusHex(), (HexNumber{1, 1})); // no system is current yet

    const auto press = [&](Qt::Key key, int times) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(view, key);
    };
    press(Qt::Key_Right, 2);
    press(Qt::Key_Down, 1);
    EXPECT_EQ(view->FocusHex(), (HexNumber{3, 2}));
    press(Qt::Key_Left, 9);
    press(Qt::Key_Down, 9);
    EXPECT_EQ(view->FocusHex(), (HexNumber{1, 5})); // the grid's corner, no further

    // The focus frame shows where the keyboard is.
    const QImage framed = view->viewport()->grab().toImage();
    press(Qt::Key_Up, 4);
    const QImage moved = view->viewport()->grab().toImage();
    const double size = HexGrid::Size * view->Scale();
    const QRect corner =
        QRectF(view->HexCentre({1, 5}) - QPointF(size, size), QSizeF(2 * size, 2 * size)).toRect() &
        framed.rect();
    int changed = 0;
    for (int y = corner.top(); y <= corner.bottom(); ++y)
        for (int x = corner.left(); x <= corner.right(); ++x)
            changed += framed.pixel(x, y) != moved.pixel(x, y) ? 1 : 0;
    EXPECT_GT(changed, 0);

    const Sector& sector = *CurrentSector();
    const HexNumber occupied = sector.systems.back().hex;
    const HexNumber empty = test::EmptyHex(sector);
    // An empty hex is no system to open: the map does not offer it.
    const QSignalSpy opened(view, &SectorMapView::HexClicked);
    view->SetFocusHex(empty);
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(opened.count(), 0);
    view->SetFocusHex(occupied);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(App().system, Entry(occupied).system);
    EXPECT_EQ(View()->CurrentHex(), occupied);
    EXPECT_EQ(UndoText(), "&Undo Hex " + Q(occupied.Text()) + " (" + Q(Entry(occupied).name) + ")");

    QAccessibleInterface* map = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(map->childCount(), 30);
    for (int i = 0; i < map->childCount(); ++i) {
        const HexNumber hex{i / 5 + 1, i % 5 + 1};
        QAccessibleInterface* part = map->child(i);
        EXPECT_EQ(part->text(QAccessible::Name), Q(HexDescription(sector, hex)));
        EXPECT_EQ(part->state().selected, hex == occupied) << hex.Text();
        EXPECT_EQ(map->indexOfChild(part), i);
    }
    ASSERT_NE(map->focusChild(), nullptr);
    EXPECT_EQ(map->focusChild()->text(QAccessible::Name), Q(HexDescription(sector, occupied)));
    const QRect place = map->child(7)->rect();
    EXPECT_EQ(map->childAt(place.center().x(), place.center().y()), map->child(7));

    // Zoomed in, the view follows the keyboard to the far corner.
    view->ZoomAt(100, QPointF(0, 0));
    view->SetFocusHex({1, 1});
    press(Qt::Key_Right, 7);
    press(Qt::Key_Down, 6);
    EXPECT_EQ(view->FocusHex(), (HexNumber{6, 5})); // the other corner, no further
    EXPECT_TRUE(view->viewport()->rect().contains(view->HexCentre({6, 5}).toPoint()));

    // A hex a reader still holds when the map shows no sector is gone.
    QAccessibleInterface* held = map->child(29);
    view->SetSector(nullptr);
    EXPECT_EQ(map->childCount(), 0);
    EXPECT_TRUE(held->state().invisible);
    EXPECT_EQ(held->text(QAccessible::Name), "");
}

// The notes pane edits the notes of the hex last chosen on the map, any hex,
// occupied or not, as the document's steps; the map marks the hex and its
// tool tip shows the first line, and the pane follows Undo. Rename Sector
// names the sector. Both are saved with the sector and go into the notes
// vault.
TEST_F(SectorWindow, NotesOnAnyHexAndTheSectorsNameAreStepsAndAreSaved)
{
    NewSector();
    Activate();
    frmSector* window = Windows().SectorWindow();
    auto* notes = Find<QPlainTextEdit>("txtHexNotes", window);
    EXPECT_EQ(window->NotesHex(), View()->FocusHex());
    EXPECT_FALSE(Document().SectorModified());
    const Sector& sector = *CurrentSector();
    const HexNumber empty = test::EmptyHex(sector);
    const HexNumber occupied = sector.systems.front().hex;

    Click(empty);
    EXPECT_EQ(window->NotesHex(), empty);
    EXPECT_EQ(Find<QLabel>("lblHexNotes", window)->text(), "Notes on " + Q(empty.Text()));
    notes->setFocus();
    QTest::keyClicks(notes, "A nebula.");
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, "Ships vanish.");
    EXPECT_EQ(sector.NotesOf(empty), "A nebula.\nShips vanish.");
    // A line break in the pane is part of the burst.
    EXPECT_EQ(UndoCount(), 1);
    EXPECT_EQ(UndoText(), "&Undo Notes " + Q(empty.Text()));
    EXPECT_TRUE(View()->HexToolTip(empty).endsWith("\nA nebula."));
    // Another hex, and the map's mark.
    Click(occupied);
    EXPECT_EQ(notes->toPlainText(), "");
    notes->setFocus();
    QTest::keyClicks(notes, "Pirates.");
    EXPECT_EQ(sector.NotesOf(occupied), "Pirates.");
    int marks = 0;
    for (const MapShape& shape : DrawSectorMap(sector).shapes)
        marks += shape.role == MapShape::Role::Notes ? 1 : 0;
    EXPECT_EQ(marks, 2);

    dialogs->sectorName = "The Marches";
    Trigger("mnuSectorRename");
    EXPECT_EQ(sector.name, "The Marches");
    EXPECT_TRUE(window->windowTitle().startsWith("The Marches: 6 x 5 hexes"));
    dialogs->sectorName = "";
    Trigger("mnuSectorRename");
    EXPECT_EQ(dialogs->errors.value(0), "The name is empty or longer than 200 bytes.");
    Trigger("mnuEditUndo");
    Trigger("mnuEditUndo");
    EXPECT_EQ(notes->toPlainText(), "");
    Trigger("mnuEditRedo");
    EXPECT_EQ(notes->toPlainText(), "Pirates.");
    Trigger("mnuEditRedo");

    SaveSector(dir / "noted");
    EXPECT_FALSE(Document().SectorModified());
    Sector saved;
    ASSERT_TRUE(ReadSectorFile((dir / "noted" / SectorFileName).string(), saved).Ok());
    EXPECT_EQ(saved.name, "The Marches");
    EXPECT_EQ(saved.notes, sector.notes);

    // The notes vault beside it, as kelvane-cli vault writes one.
    dialogs->folder = Q(dir / "vault");
    Trigger("mnuSectorVault");
    EXPECT_EQ(dialogs->proposals.last(), "vault " + Q(dir / "notes"));
    EXPECT_NE(test::ReadBytes(dir / "vault" / (empty.Text() + ".md")).find("A nebula.\nShips vanish."),
              std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "vault" / "The Marches.md"));
}

// Closing the Sector window with changes not saved asks Save, Discard or
// Cancel, and so do New Sector and Open Sector, which would replace it;
// ending the program never asks, and keeps the sector, notes and all, so
// that the next start opens it again as not saved. A program ended with no
// sector open keeps none.
TEST(SectorSession, ClosingOrReplacingAsksEndingKeepsTheSectorForTheNextStart)
{
    const QTemporaryDir shared;
    const QString kept = shared.path() + "/data";
    const HexNumber hex{2, 2};
    {
        test::Program first(shared.path(), kept);
        QMdiSubWindow* frame = first.NewSector();
        first.Document().SetHexNotes(hex, "Pirates.");
        frame->close();
        first.NewSector(SectorOptions{6, 6, 5, 0.6, LifeSupportLevel::Good, BiozoneWidth::Double});
        first.Trigger("mnuSectorOpen");
        EXPECT_EQ(first.dialogs->questions, QStringList(3, "save sector Sector 5"));
        ASSERT_NE(first.CurrentSector(), nullptr); // Cancel, each time
        EXPECT_EQ(first.CurrentSector()->NotesOf(hex), "Pirates.");
        first.dialogs->questions.clear();
        first.Trigger("mnuFileExit");
        EXPECT_TRUE(first.dialogs->questions.isEmpty());
    }
    {
        test::Program second(shared.path(), kept);
        EXPECT_EQ(second.CurrentSector(), nullptr);
        second.controller.ReopenKeptSector();
        const Sector* sector = second.CurrentSector();
        ASSERT_NE(sector, nullptr);
        Sector made = GenerateSector(Small);
        made.SetNotes(hex, "Pirates.");
        EXPECT_EQ(*sector, made);
        EXPECT_TRUE(second.Document().SectorModified());
        EXPECT_TRUE(second.Find<QLabel>("lblSectorInfo", second.Windows().SectorWindow())
                        ->text()
                        .endsWith("; not saved"));
        second.dialogs->closeChoice = SectorDialogs::CloseChoice::Discard;
        second.Frame(second.Windows().SectorWindow())->close();
        EXPECT_EQ(second.CurrentSector(), nullptr);
        second.Trigger("mnuFileExit");
    }
    test::Program third(shared.path(), kept);
    third.controller.ReopenKeptSector();
    EXPECT_EQ(third.CurrentSector(), nullptr);
    EXPECT_TRUE(third.dialogs->errors.isEmpty());
}

} // namespace
} // namespace kelvane
