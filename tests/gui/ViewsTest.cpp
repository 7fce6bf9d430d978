#include <QAccessible>
#include <QStyleFactory>
#include <algorithm>

#include "GuiTestSupport.h"
#include "core/drawing/Contrast.h"
#include "core/model/SystemDescription.h"
#include "gui/views/frmElements.h"
#include "gui/views/frmForceOrbit.h"
#include "render/SurfacePainter.h"

namespace kelvane {
namespace {

// The Information, Elements and Force Orbit windows over a yellow main-sequence
// star, its zone from 0.75 to 1.2 AU, and orbits at 0.35 (shown "0.4"), a
// ten-thousandth below the zone, at its edges (the outer one a belt with moons),
// just beyond, at 12 with a Type outside the table, and on out to 2000.
struct Views : ::testing::Test, test::Program {
    Views()
    {
        StarSystem& s = System();
        s.StarClass = ClassMainSequence;
        s.StarType = StarYellow;
        s.BiozoneMin = Distance::FromHundredths(75);
        s.BiozoneMax = Distance::FromTenths(12);
        const std::tuple<std::int64_t, std::int32_t, std::int16_t, const char*> orbits[] = {
            {3500, TypeNothing, 0, "AB"},    {7499, TypeEnvHostile, 0, "A"},
            {7500, TypeNothing, 0, ""},      {12000, TypeAsteroids, 3, "A C"},
            {12001, TypeEnvGood, 2, "ABC"},  {120000, 12345, 4, "AB  E"},
            {250000, TypeEnvPoor, 1, "A"},   {480000, TypeEnvAverage, 5, "AB"},
            {12345600, TypeEnvNone, 0, "A"}, {20000000, TypeEnvExcellent, 7, "AZ"}};
        for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
            OrbitRecord& orbit = s.Orbit(n);
            std::int64_t units = 0;
            std::tie(units, orbit.Type, orbit.Moons, orbit.Elements) = orbits[n - 1];
            orbit.AU = Distance::FromUnits(units);
            orbit.Radius = 7;
        }
        Windows().RefreshAll();
    }

    QString Text(const char* name, QWidget* in) { return Find<QLabel>(QLatin1String(name), in)->text(); }
    // Rows as their cells' texts, with "=colour" where a cell is not white.
    QStringList Rows(std::initializer_list<int> rows = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9})
    {
        QStringList texts;
        for (int row : rows) {
            QStringList cells;
            for (const char* column : {"ContainsLabel", "EnvironmentLabel", "MoonsLabel", "AULabel"}) {
                const QColor back = Cell(column, row)->grab().toImage().pixelColor(2, 2);
                cells << Cell(column, row)->text() + (back == Qt::white ? "" : "=" + back.name());
            }
            texts << cells.join('|');
        }
        return texts;
    }
    frmForceOrbit* Dialog() { return Windows().ForceOrbitDialog(); }
    // Opens the Force Orbit dialog for orbit n as the Options menu does.
    frmForceOrbit* Open(int n)
    {
        Find(QStringLiteral("mnuOptionsForce%1").arg(n))->trigger();
        EXPECT_TRUE(Dialog() != nullptr && Dialog()->isVisible());
        return Dialog();
    }
    bool Checked(const char* name) { return Find<QRadioButton>(QLatin1String(name), Dialog())->isChecked(); }
    void Press(const char* name)
    {
        auto* button = Find<QAbstractButton>(QLatin1String(name), Dialog());
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    // How many of the six environment options can be chosen.
    long EnvironmentsEnabled()
    {
        const auto options = Dialog()->findChildren<QRadioButton*>(QRegularExpression("^PlanetEnv"));
        return std::count_if(options.begin(), options.end(), [](QRadioButton* o) { return o->isEnabled(); });
    }
};

TEST_F(Views, InformationAndElementsWindows)
{
    frmInfo* info = Windows().Info();
    EXPECT_EQ(Text("StarTypeLabel", info) + "/" + Text("StarClassLabel", info),
              "Yellow (G)/Main Sequence (V)");
    EXPECT_EQ(Text("BiozoneLabel", info), " .75 to  1.2 AUs");
    // The zone's edges are in it, a ten-thousandth outside is not; a belt
    // has no moons to show, and an unknown Type gives an empty row.
    const QStringList coloured = Rows();
    EXPECT_EQ(coloured, QStringList({"|||0.4", "Planet|Hostile=#ff0000|0|0.7", "|||0.8=#0000ff",
                                     "Asteroids|||1.2=#0000ff", "Planet|Good=#00ffff|2|1.2", "|||12.0",
                                     "Planet|Poor=#ffff00|1|25.0", "Planet|Average=#00ff00|5|48.0",
                                     "Planet|None|0|1234.6", "Planet|Excellent=#0000ff|7|2000.0"}));
    const auto refreshed = [&](std::int16_t colorText, std::int16_t swapBW, Colour back) {
        Settings().ColorText = colorText;
        Settings().SwapBW = swapBW;
        State().DisplayBackColor = back;
        info->RefreshForm();
        return Rows();
    };
    // Only -1 counts as on; Grey for Black (any non-zero value) takes the
    // colours away on a white background only.
    const QStringList plain = refreshed(1, 0, 0);
    EXPECT_FALSE(plain.join("").contains('='));
    EXPECT_EQ(refreshed(-1, 0, 0xFFFFFF), coloured);
    EXPECT_EQ(refreshed(-1, 5, 0xFFFFFF), plain);
    EXPECT_EQ(refreshed(-1, 5, 0), coloured);

    // Colored Text refreshes the Information window (and, as the Options
    // menu's test shows, nothing else).
    Trigger("mnuOptionsColor");
    EXPECT_EQ(Rows(), plain);
    Trigger("mnuOptionsColor");
    EXPECT_EQ(Rows(), coloured);

    // A name typed away: the display's caption says so.
    NameBox()->selectAll();
    QTest::keyClick(NameBox(), Qt::Key_Backspace);
    EXPECT_EQ(System().SystemName, "");
    EXPECT_EQ(Windows().OrbitalDisplay()->windowTitle(), "Orbital Display (<Unnamed System>)");

    const auto cell = [&](int row) {
        return Find<QLabel>(QStringLiteral("ElementsLabel_%1").arg(row), Windows().Elements());
    };
    // An empty orbit is blank whatever its record holds; a belt and an
    // unknown Type show their letters, all 26 positions kept.
    EXPECT_EQ(cell(0)->text(), QString(26, ' '));
    EXPECT_EQ(cell(3)->text(), "A C" + QString(23, ' '));
    EXPECT_EQ(cell(5)->text(), "AB  E" + QString(21, ' '));
    // Letter i stands in column i on every row, and a full row fits.
    const QFontMetrics metrics(cell(9)->font());
    EXPECT_TRUE(QFontInfo(cell(9)->font()).fixedPitch());
    EXPECT_EQ(metrics.horizontalAdvance('I'), metrics.horizontalAdvance('W'));
    EXPECT_EQ(metrics.horizontalAdvance(' '), metrics.horizontalAdvance('W'));
    EXPECT_LE(metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
              cell(9)->contentsRect().width() - 2 * cell(9)->indent());

    AppState& app = State();
    QTest::mouseRelease(Cell("ContainsLabel", 6), Qt::LeftButton); // other buttons do nothing
    EXPECT_EQ(app.PopupOrbit, 0);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // Each item reaches the orbit of its row and the row shows it (what an
    // item keeps of the orbit is the core's).
    Choose("ContainsLabel", 4, "popContainsAsteroids");
    EXPECT_EQ(app.PopupOrbit, 5);
    Choose("EnvironmentLabel", 1, "popEnvExcellent");
    Choose("ContainsLabel", 9, "popContainsNothing");
    EXPECT_EQ(Rows({1, 4, 9}),
              QStringList({"Planet|Excellent=#0000ff|0|0.7", "Asteroids|||1.2", "|||2000.0"}));
    // A belt, an empty orbit and an unknown Type get no menu, but the orbit
    // is still recorded.
    for (int row : {3, 2, 5}) {
        QTest::mouseRelease(Cell("EnvironmentLabel", row), Qt::RightButton);
        EXPECT_EQ(app.PopupOrbit, row + 1);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << row;
    }
}

TEST_F(Views, ForceOrbitDialogFromTheMenuAndTheDisplay)
{
    // A Good planet onto an empty orbit.
    OrbitRecord& orbit = System().Orbit(4);
    orbit = OrbitRecord();
    orbit.AU = Distance::FromTenths(15);
    frmForceOrbit* dialog = Open(4);
    EXPECT_EQ(Text("OrbitAUs", dialog) + " " + Text("WithinBiozone", dialog), "1.5 No");
    EXPECT_TRUE(Checked("FillOrbitNothing"));
    EXPECT_EQ(EnvironmentsEnabled(), 0);
    Press("FillOrbitPlanet");
    EXPECT_EQ(EnvironmentsEnabled(), 6);
    Press("PlanetEnvGood");
    Press("Okay");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(orbit.Type, TypeEnvGood); // the planet itself is the core's to make
    // Every view was refreshed.
    EXPECT_EQ(Rows({3}), QStringList("Planet|Good=#00ffff|" + QString::number(orbit.Moons) + "|1.5"));
    EXPECT_EQ(Text("ElementsLabel_3", Windows().Elements()).at(0), 'A');

    // Enter presses OK, which acts on orbit 10 alone.
    StarSystem before = System();
    EXPECT_EQ(Open(10)->windowTitle(), "Force Orbit 10");
    Press("FillOrbitNothing");
    QTest::keyClick(dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(System().Orbit(10).Type, TypeNothing);
    before.Orbit(10) = System().Orbit(10);
    EXPECT_EQ(System(), before);

    // Reopened inside the zone then outside it; Cancel and Escape only hide.
    Open(3);
    EXPECT_EQ(Text("OrbitAUs", dialog) + " " + Text("WithinBiozone", dialog), "0.75 Yes");
    Press("FillOrbitAsteroids");
    EXPECT_EQ(EnvironmentsEnabled(), 0);
    Press("Cancel");
    EXPECT_FALSE(dialog->isVisible());
    Open(5);
    EXPECT_EQ(Text("OrbitAUs", dialog) + " " + Text("WithinBiozone", dialog), "1.2001 No");
    EXPECT_TRUE(Checked("FillOrbitPlanet") && Checked("PlanetEnvGood"));
    Press("FillOrbitNothing");
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(System(), before);

    // A right-click on the display opens the dialog for the orbit picked.
    Trigger("mnuOptionsOrbitComplete"); // complete: x and y from -500 to 500
    SurfaceWidget* surface = Display();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(surface));
    const QPointF origin = surface->ToLogical({0, 0}), step = surface->ToLogical({1, 1}) - origin;
    const auto clickAt = [&](Qt::MouseButton button, double x, double y) {
        QTest::mouseClick(surface, button, {},
                          QPointF((x - origin.x()) / step.x(), (y - origin.y()) / step.y()).toPoint());
        QString title = Dialog()->isVisible() ? Dialog()->windowTitle() : "";
        Dialog()->hide();
        return title;
    };
    EXPECT_EQ(clickAt(Qt::LeftButton, 0, 100), "");
    EXPECT_EQ(clickAt(Qt::RightButton, 30, 0), ""); // the star
    EXPECT_EQ(clickAt(Qt::RightButton, 0, 100), "Force Orbit 2");
    EXPECT_EQ(clickAt(Qt::RightButton, -480, 0), "Force Orbit 10");
}

// The display window, made wide and then tall: in the flat style the orbit
// lines are single pixels of full grey, in the arced style the star sits at
// the middle of the left edge, and a right-click picks the orbit drawn under
// the pointer.
TEST(OrbitalDisplay, CrispLinesStarAtTheLeftMiddleAndExactPicking)
{
    test::Program program;
    // No belt's random dots in the way.
    for (int n = 1; n <= StarSystem::OrbitCount; ++n)
        if (program.System().Orbit(n).Type == TypeAsteroids)
            program.System().Orbit(n).Type = TypeNothing;
    program.Trigger("mnuOptionsOrbitFlat");
    QMdiSubWindow* frame = program.Frame(program.Windows().OrbitalDisplay());
    SurfaceWidget* display = program.Display();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(display));
    for (const QSize size : {QSize(700, 300), QSize(300, 600)}) {
        frame->resize(size);
        QApplication::processEvents();
        const QImage image = display->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb back = image.pixel(image.width() - 1, 0);
        // Along the top row only the ten orbit lines show.
        int lines = 0;
        for (int x = 1; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, 0);
            if (pixel == back)
                continue;
            EXPECT_EQ(pixel, qRgb(150, 150, 150)) << x;
            EXPECT_EQ(image.pixel(x - 1, 0), back) << x;
            ++lines;
        }
        EXPECT_EQ(lines, 10) << size.width();
    }

    program.Trigger("mnuOptionsOrbitArced");
    StarSystem& system = program.System();
    for (const QSize size : {QSize(700, 300), QSize(300, 600)}) {
        frame->resize(size);
        QApplication::processEvents();
        // The star's colour at the middle of the left edge, nowhere else on it.
        const QImage image = display->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QColor star = ToQColor(system.StarType);
        EXPECT_EQ(image.pixelColor(0, image.height() / 2), star) << size.width();
        EXPECT_NE(image.pixelColor(0, 2), star);
        EXPECT_NE(image.pixelColor(0, image.height() - 3), star);
        // A point on orbit 7's arc, up and to the right of the star, picks 7.
        const double scale = std::min(display->width(), display->height()) / 500.0;
        const QPoint onOrbit7(static_cast<int>(340 * scale * 0.6),
                              display->height() / 2 - static_cast<int>(340 * scale * 0.8));
        QTest::mouseClick(display, Qt::RightButton, {}, onOrbit7);
        ASSERT_NE(program.Windows().ForceOrbitDialog(), nullptr);
        EXPECT_EQ(program.Windows().ForceOrbitDialog()->windowTitle(), "Force Orbit 7") << size.width();
        program.Windows().ForceOrbitDialog()->hide();
    }
}

// What a screen reader finds: toolbar buttons named after their commands, the
// name box by its caption, both tables with headers and every cell (a blank
// one said as empty), and the Orbital Display's star and orbits in words.
TEST_F(Views, AScreenReaderReadsTheToolbarTablesAndDisplay)
{
    const auto name = [](QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    };
    const char* commands[] = {"New", "Open...", "Save", "Print", "Print Preview"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(name(Find<QWidget>(QStringLiteral("cmdToolbit_%1").arg(i))), commands[i]);
    EXPECT_EQ(name(NameBox()), "System Name");

    const auto table = [&](const char* grid, QWidget* in) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(Find<QWidget>(grid, in));
        EXPECT_EQ(iface->role(), QAccessible::Table);
        return iface;
    };
    QAccessibleInterface* orbits = table("OrbitTable", Windows().Info());
    QAccessibleTableInterface* cells = orbits->tableInterface();
    ASSERT_NE(cells, nullptr);
    ASSERT_EQ(std::make_pair(cells->rowCount(), cells->columnCount()), std::make_pair(10, 5));
    EXPECT_EQ(orbits->childCount(), 55);
    const auto row = [](QAccessibleTableInterface* grid, int r) {
        QStringList texts;
        for (int c = 0; c < grid->columnCount(); ++c)
            texts << grid->cellAt(r, c)->text(QAccessible::Name);
        return texts.join('|');
    };
    EXPECT_EQ(row(cells, 0), "1|empty|empty|empty|0.4");
    EXPECT_EQ(row(cells, 1), "2|Planet|Hostile|0|0.7");
    EXPECT_EQ(row(cells, 9), "10|Planet|Excellent|7|2000.0");
    QAccessibleTableCellInterface* moons = cells->cellAt(4, 3)->tableCellInterface();
    ASSERT_NE(moons, nullptr);
    EXPECT_EQ(std::make_pair(moons->rowIndex(), moons->columnIndex()), std::make_pair(4, 3));
    EXPECT_EQ(moons->columnHeaderCells().value(0)->text(QAccessible::Name), "Moons");
    EXPECT_EQ(moons->columnHeaderCells().value(0)->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(moons->rowHeaderCells().value(0)->text(QAccessible::Name), "5");
    EXPECT_EQ(moons->table(), orbits);
    EXPECT_EQ(cells->cellAt(4, 0)->role(), QAccessible::RowHeader);
    EXPECT_EQ(orbits->indexOfChild(cells->cellAt(4, 3)), 5 + 4 * 5 + 3);
    EXPECT_EQ(cells->cellAt(10, 0), nullptr);
    const QRect au = cells->cellAt(2, 4)->rect();
    EXPECT_EQ(orbits->childAt(au.center().x(), au.center().y()), cells->cellAt(2, 4));

    QAccessibleTableInterface* elements = table("ElementsTable", Windows().Elements())->tableInterface();
    ASSERT_EQ(std::make_pair(elements->rowCount(), elements->columnCount()), std::make_pair(10, 2));
    EXPECT_EQ(row(elements, 1), "2|A");
    EXPECT_EQ(row(elements, 0), "1|empty"); // an empty orbit shows none
    EXPECT_EQ(elements->columnDescription(1), "Elements Available");

    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(Windows().OrbitalDisplay());
    ASSERT_EQ(display->childCount(), 11);
    EXPECT_EQ(display->text(QAccessible::Name), "Orbital Display");
    EXPECT_EQ(display->child(0)->text(QAccessible::Name), QString::fromStdString(StarDescription(System())));
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(display->child(n)->text(QAccessible::Name),
                  QString::fromStdString(OrbitDescription(System(), n, '.')));

    // A new system is read anew.
    Trigger("mnuFileNew");
    EXPECT_EQ(display->child(3)->text(QAccessible::Name),
              QString::fromStdString(OrbitDescription(System(), 3, '.')));
}

// Light text on dark ground, as a dark desktop theme sets it.
struct UnderADarkPalette {
    UnderADarkPalette()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette dark;
        for (const auto role : {QPalette::Window, QPalette::AlternateBase, QPalette::Button})
            dark.setColor(role, QColor(53, 53, 53));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(35, 35, 35));
        dark.setColor(QPalette::BrightText, Qt::red);
        QApplication::setPalette(dark);
    }
    ~UnderADarkPalette() { QApplication::setPalette(light); }
    QPalette light = QApplication::palette();
};

struct DarkViews : UnderADarkPalette, Views {};

// The worst contrast of a rendered cell: between its background (a pixel
// inside its border) and the pixel of its text farthest from that.
double CellContrast(QLabel* cell)
{
    const QImage image = cell->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QColor back = image.pixelColor(2, 2);
    double best = 1;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            best = std::max(best, ContrastRatio(FromQColor(image.pixelColor(x, y)), FromQColor(back)));
    return best;
}

// Under a dark palette every cell of the Information window still reads:
// white cells, the zone's blue ones and every environment's colour, with the
// colours on and with the display's background behind them.
TEST_F(DarkViews, EveryCellReadsUnderADarkPalette)
{
    frmInfo* info = Windows().Info();
    const auto check = [&](const char* setting) {
        for (const char* column :
             {"OrbitNumberLabel", "ContainsLabel", "EnvironmentLabel", "MoonsLabel", "AULabel"})
            for (int r = 0; r < StarSystem::OrbitCount; ++r) {
                QLabel* cell = Cell(column, r);
                if (cell->text().trimmed().isEmpty())
                    continue;
                EXPECT_GE(CellContrast(cell), 3) << setting << " " << cell->objectName().toStdString() << " "
                                                 << cell->text().toStdString();
            }
        for (const char* label : {"StarTypeLabel", "BiozoneLabel", "Label8", "Label3"})
            EXPECT_GE(CellContrast(Find<QLabel>(label, info)), 3) << label;
    };
    // The colours are there: the zone's cells blue, the environments theirs.
    EXPECT_EQ(Cell("AULabel", 2)->grab().toImage().pixelColor(2, 2), QColor(Qt::blue));
    EXPECT_EQ(Cell("EnvironmentLabel", 6)->grab().toImage().pixelColor(2, 2), QColor(Qt::yellow));
    check("colours");
    Settings().SwapBW = 1;
    State().DisplayBackColor = ColourWhite;
    info->RefreshForm();
    check("white behind");
    Settings().ColorText = 0;
    info->RefreshForm();
    check("no colours");
}

} // namespace
} // namespace kelvane
