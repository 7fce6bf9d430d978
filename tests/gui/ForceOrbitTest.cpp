#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <cmath>
#include <vector>

#include "ViewsTestSupport.h"
#include "core/model/modGenerate.h"
#include "gui/shell/Twips.h"
#include "gui/views/frmElements.h"
#include "gui/views/frmForceOrbit.h"
#include "gui/views/frmInfo.h"

namespace kelvane {
namespace {

constexpr const char* EnvironmentOptions[] = {"PlanetEnvNone",    "PlanetEnvHostile", "PlanetEnvPoor",
                                              "PlanetEnvAverage", "PlanetEnvGood",    "PlanetEnvExcellent"};

struct ForceProgram : test::ViewsProgram {
    // Opens the dialog for orbit n as the Options menu does.
    frmForceOrbit* Open(int n)
    {
        main->findChild<QAction*>(QStringLiteral("mnuOptionsForce%1").arg(n))->trigger();
        frmForceOrbit* dialog = controller.ForceOrbitDialog();
        EXPECT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        return dialog;
    }
    QRadioButton* Option(const char* name)
    {
        return Find<QRadioButton>(controller.ForceOrbitDialog(), QLatin1String(name));
    }
    void Click(const char* name)
    {
        QAbstractButton* button = Find<QAbstractButton>(controller.ForceOrbitDialog(), QLatin1String(name));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    QString Text(const char* name)
    {
        return Find(controller.ForceOrbitDialog(), QLatin1String(name))->text();
    }
    // Which environment options can be chosen: six flags.
    std::vector<bool> EnvironmentsEnabled()
    {
        std::vector<bool> enabled;
        for (const char* name : EnvironmentOptions)
            enabled.push_back(Option(name)->isEnabled());
        return enabled;
    }
};

const std::vector<bool> AllEnabled(6, true);
const std::vector<bool> NoneEnabled(6, false);

TEST(ForceOrbit, GoodPlanetOntoAnEmptyOrbit)
{
    ForceProgram program;
    OrbitRecord& orbit = program.System().Orbit(4);
    orbit = OrbitRecord();
    orbit.AU = Distance::FromTenths(15);
    orbit.PosX = orbit.PosY = orbit.PosXArc = orbit.PosYArc = 9999;

    frmForceOrbit* dialog = program.Open(4);
    EXPECT_EQ(dialog->windowTitle(), "Force Orbit 4");
    EXPECT_EQ(program.Text("OrbitAUs"), "1.5");
    EXPECT_TRUE(program.Option("FillOrbitNothing")->isChecked());
    EXPECT_EQ(program.EnvironmentsEnabled(), NoneEnabled);

    program.Click("FillOrbitPlanet");
    EXPECT_EQ(program.EnvironmentsEnabled(), AllEnabled);
    program.Click("PlanetEnvGood");
    program.Click("Okay");

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(orbit.Type, TypeEnvGood);
    EXPECT_GE(orbit.Radius, 5);
    EXPECT_LE(orbit.Radius, 12);
    EXPECT_GE(orbit.Moons, 0);
    EXPECT_LE(orbit.Moons, 5);
    EXPECT_EQ(orbit.Elements.At(1), 'A');
    // A point on orbit 4's drawn circle.
    EXPECT_NEAR(std::hypot(orbit.PosX, orbit.PosY), OrbitSlotRadius(4), 1.5);
    EXPECT_NE(orbit.PosXArc, 9999);
    // Every view was refreshed.
    EXPECT_EQ(program.Find(program.controller.Info(), QStringLiteral("EnvironmentLabel_3"))->text(), "Good");
    EXPECT_EQ(program.Find(program.controller.Elements(), QStringLiteral("ElementsLabel_3"))->text().at(0),
              QLatin1Char('A'));
}

TEST(ForceOrbit, APlanetStaysThePlanetItWas)
{
    ForceProgram program;
    // Orbit 2 holds a Hostile planet.
    OrbitRecord expected = program.System().Orbit(2);
    program.Open(2);
    EXPECT_TRUE(program.Option("FillOrbitPlanet")->isChecked());
    EXPECT_TRUE(program.Option("PlanetEnvHostile")->isChecked());
    EXPECT_EQ(program.EnvironmentsEnabled(), AllEnabled);
    program.Click("PlanetEnvExcellent");
    program.Click("Okay");
    expected.Type = TypeEnvExcellent;
    EXPECT_EQ(program.System().Orbit(2), expected);

    // A Type outside the six leaves the environment chosen last.
    program.Open(6);
    EXPECT_TRUE(program.Option("FillOrbitPlanet")->isChecked());
    EXPECT_TRUE(program.Option("PlanetEnvExcellent")->isChecked());
}

TEST(ForceOrbit, AsteroidsKeepAndNothingClearsThePlanetsElements)
{
    ForceProgram program;
    // Orbit 5 holds a Good planet with two moons and elements "ABC".
    OrbitRecord expected = program.System().Orbit(5);
    program.Open(5);
    program.Click("FillOrbitAsteroids");
    EXPECT_EQ(program.EnvironmentsEnabled(), NoneEnabled);
    program.Click("Okay");
    expected.Type = TypeAsteroids;
    EXPECT_EQ(program.System().Orbit(5), expected);

    program.Open(5);
    EXPECT_TRUE(program.Option("FillOrbitAsteroids")->isChecked());
    EXPECT_EQ(program.EnvironmentsEnabled(), NoneEnabled);
    // The environment last chosen stays, disabled.
    EXPECT_TRUE(program.Option("PlanetEnvGood")->isChecked());
    program.Click("FillOrbitNothing");
    EXPECT_EQ(program.EnvironmentsEnabled(), NoneEnabled);
    program.Click("Okay");
    expected.Type = TypeNothing;
    expected.Elements = ElementText();
    EXPECT_EQ(program.System().Orbit(5), expected);
}

TEST(ForceOrbit, OpenedAgainForAnotherOrbit)
{
    ForceProgram program;
    const StarSystem before = program.System();
    frmForceOrbit* dialog = program.Open(3); // 0.75, the inner edge of the zone
    EXPECT_EQ(program.Text("WithinBiozone"), "Yes");
    EXPECT_EQ(program.Text("OrbitAUs"), "0.75");
    EXPECT_EQ(dialog->size(), PxSize(4665, 3480));
    // Centred on the screen when first made.
    const QPointF screen = QRectF(dialog->screen()->geometry()).center();
    const QPointF centre = QRectF(dialog->frameGeometry()).center();
    EXPECT_NEAR(centre.x(), screen.x(), 1);
    EXPECT_NEAR(centre.y(), screen.y(), 1);

    // Cancel only hides.
    program.Click("FillOrbitAsteroids");
    dialog->move(20, 30);
    program.Click("Cancel");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(program.System(), before);

    // The same dialog, where it was left, filled for the other orbit.
    EXPECT_EQ(program.Open(5), dialog); // 1.2001
    EXPECT_EQ(dialog->pos(), QPoint(20, 30));
    EXPECT_EQ(dialog->windowTitle(), "Force Orbit 5");
    EXPECT_EQ(program.Text("WithinBiozone"), "No");
    EXPECT_EQ(program.Text("OrbitAUs"), "1.2001");

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    program.Open(3);
    EXPECT_EQ(program.Text("OrbitAUs"), "0,75");
}

TEST(ForceOrbit, OrbitTenAndTheKeys)
{
    ForceProgram program;
    const StarSystem before = program.System();
    frmForceOrbit* dialog = program.Open(10);
    EXPECT_EQ(dialog->windowTitle(), "Force Orbit 10");
    program.Click("FillOrbitNothing");
    // Escape only hides.
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(program.System(), before);

    // Enter presses OK, which acts on orbit 10 alone.
    program.Open(10);
    program.Click("FillOrbitNothing");
    QTest::keyClick(dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(program.System().Orbit(10).Type, TypeNothing);
    EXPECT_EQ(program.System().Orbit(1), before.Orbit(1));
    EXPECT_EQ(program.System().Orbit(9), before.Orbit(9));
}

} // namespace
} // namespace kelvane
