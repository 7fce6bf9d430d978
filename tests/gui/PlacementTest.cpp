#include <climits>
#include <filesystem>

#include "GuiTestSupport.h"
#include "gui/display/Twips.h"
#include "gui/shell/Placement.h"

namespace kelvane {
namespace {

TEST(Placement, TwipsAndPixelsOverTheWholeRange)
{
    const struct {
        int twips, pixels;
    } nearest[] = {
        {7, 0}, {8, 1}, {-7, 0}, {-8, -1}, {1500, 100}, {INT_MAX, 143165576}, {INT_MIN, -143165577}};
    for (const auto& c : nearest)
        EXPECT_EQ(Px(c.twips), c.pixels) << c.twips;
    EXPECT_EQ(Twips(100), 1500);
    EXPECT_EQ(Twips(143165576), 2147483640);
    EXPECT_EQ(Twips(143165577), INT_MAX); // 2147483655 does not fit
    EXPECT_EQ(Twips(INT_MIN), INT_MIN);
}

TEST(Placement, APlaceOutOfReachIsBroughtOntoTheNearestScreen)
{
    // Two screens side by side, the second lower; a task bar above the first.
    const std::vector<QRect> screens = {QRect(0, 30, 1600, 870), QRect(1600, 200, 1280, 1024)};
    const struct {
        QRect wanted, kept;
    } cases[] = {
        // Usable as they are: on one screen, across both, half off a side.
        {QRect(100, 100, 800, 600), QRect(100, 100, 800, 600)},
        {QRect(1200, 300, 1000, 500), QRect(1200, 300, 1000, 500)},
        {QRect(-700, 30, 800, 600), QRect(-700, 30, 800, 600)},
        // The title bar above a screen, in the gap under the first screen,
        // below the second: as near as a screen allows.
        {QRect(100, 10, 800, 600), QRect(100, 30, 800, 600)},
        {QRect(900, 1000, 400, 300), QRect(900, 600, 400, 300)},
        {QRect(2900, 1500, 400, 300), QRect(2480, 924, 400, 300)},
        // Far away, as a settings file near 2^31 puts it; too big; too small.
        {QRect(143165577, 143165577, 800, 600), QRect(2080, 624, 800, 600)},
        {QRect(100, 100, 20000000, 20000000), QRect(100, 100, 2880, 1194)},
        {QRect(100, 100, -5, 0), QRect(100, 100, 32, 32)},
    };
    for (const auto& c : cases) {
        const QRect kept = KeptWithinReach(c.wanted, screens);
        EXPECT_EQ(kept, c.kept) << c.wanted.x() << "," << c.wanted.y() << " " << c.wanted.width() << "x"
                                << c.wanted.height() << " became " << kept.x() << "," << kept.y() << " "
                                << kept.width() << "x" << kept.height();
    }
    EXPECT_EQ(KeptWithinReach(QRect(5, 5, 99999, 10), {}), QRect(5, 5, 16384, 32));
}

// A settings file with places near 2^31 twips used to crash every start in
// painting; sane places still come back to the twip.
TEST(Placement, SettingsFromTheFileAreKeptOnTheScreen)
{
    QTemporaryDir folder;
    const std::filesystem::path ini = folder.filePath("kelvane.ini").toStdString();
    test::WriteBytes(ini, "[Windows]\r\nMainState=0\r\nMainCorner1=2147483647\r\nMainCorner2=-2147483648\r\n"
                          "MainCorner3=300000000\r\nMainCorner4=300000000\r\nOrbitState=0\r\n"
                          "OrbitCorner1=2147483647\r\nOrbitCorner2=2147483647\r\nOrbitCorner3=300000000\r\n"
                          "OrbitCorner4=300000000\r\n");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    {
        test::Program program(folder.path());
        const QWidget* display = program.Frame(program.Windows().OrbitalDisplay());
        // Its corner on the screen, its inside (the corners' size) no larger.
        EXPECT_TRUE(screen.contains(program.main->frameGeometry().topLeft()));
        EXPECT_LE(program.main->width(), screen.width());
        EXPECT_LE(program.main->height(), screen.height());
        EXPECT_LE(display->width(), screen.width());
        EXPECT_LE(display->height(), screen.height());
        EXPECT_FALSE(program.main->grab().isNull()); // paints
        program.main->close();
    }
    // What was written back is the place the windows were given.
    const std::string written = test::ReadBytes(ini);
    EXPECT_EQ(written.find("300000000"), std::string::npos) << written;
    EXPECT_EQ(written.find("2147483647"), std::string::npos) << written;

    // Sane corners come back to the twip: those of a maximized main window
    // as the file holds them, those of a normal window through its pixels.
    test::WriteBytes(ini,
                     "[Windows]\r\nMainState=2\r\nMainCorner1=602\r\nMainCorner2=899\r\nMainCorner3=6001\r\n"
                     "MainCorner4=8999\r\nOrbitState=0\r\nOrbitCorner1=300\r\nOrbitCorner2=450\r\n"
                     "OrbitCorner3=3000\r\nOrbitCorner4=4500\r\n");
    {
        test::Program program(folder.path());
        program.controller.ShutdownApp();
        const AppSettings& s = program.Settings();
        EXPECT_EQ(std::tie(s.Main.State, s.Main.Corner1, s.Main.Corner2, s.Main.Corner3, s.Main.Corner4),
                  std::make_tuple(2, 602, 899, 6001, 8999));
        EXPECT_EQ(std::tie(s.Orbit.Corner1, s.Orbit.Corner2, s.Orbit.Corner3, s.Orbit.Corner4),
                  std::make_tuple(300, 450, 3000, 4500));
    }
}

// A first start fits the main window into the screen, whatever the scale:
// as little moved as it can be, no larger than the screen.
TEST(Placement, AFirstStartFitsTheScreen)
{
    const QRect small(0, 20, 640, 380); // 1280 x 800 at twice the scale, a panel on top
    const struct {
        QRect wanted, fitted;
    } cases[] = {
        {QRect(10, 30, 300, 200), QRect(10, 30, 300, 200)},
        {QRect(0, 0, 1000, 660), QRect(0, 20, 640, 380)},
        {QRect(500, 300, 200, 150), QRect(440, 250, 200, 150)},
        {QRect(-50, 100, 10, 10), QRect(0, 100, 32, 32)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FittedInside(c.wanted, small), c.fitted) << c.wanted.x() << "," << c.wanted.y();
    EXPECT_EQ(FittedInside(QRect(5, 5, 9999, 10), QRect()), QRect(5, 5, 9999, 10));

    // The designed main window is wider than the test screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_LT(screen.width(), PxSize(15000, 9900).width());
    test::Program program;
    // The frame is the window system's, and known only once it is shown.
    EXPECT_TRUE(screen.contains(program.main->frameGeometry().topLeft()));
    EXPECT_LE(program.main->width(), screen.width());
    EXPECT_LE(program.main->height(), screen.height());
    EXPECT_EQ(program.Settings().Main.Corner4, Twips(program.main->width()));
}

} // namespace
} // namespace kelvane
