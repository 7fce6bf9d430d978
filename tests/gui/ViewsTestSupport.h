#pragma once

#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "core/model/RandomSource.h"
#include "gui/shell/Controller.h"
#include "gui/shell/mdiMain.h"

namespace kelvane::test {

// A started program in a folder of its own, with a seeded source, and a
// known system in place of the generated one.
struct ViewsProgram {
    ViewsProgram() : controller(folder.Str())
    {
        // Decimal points, whatever the locale of the machine running the tests.
        QLocale::setDefault(QLocale::c());
        controller.State().random = std::make_unique<RandomSource>(RandomSource::Deterministic(3));
        controller.Main();
        main = controller.MainWindow();
        SetUpKnownSystem();
        controller.RefreshAll();
    }
    ~ViewsProgram()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        if (main->isVisible())
            main->close();
        QLocale::setDefault(m_locale);
    }

    // A yellow main-sequence star, its zone from 0.75 to 1.2 AU, and orbits
    // at and around the edges of the zone.
    void SetUpKnownSystem()
    {
        StarSystem& s = System();
        s.SystemName = "Known";
        s.StarClass = ClassMainSequence;
        s.StarType = StarYellow;
        s.BiozoneMin = Distance::FromHundredths(75);
        s.BiozoneMax = Distance::FromTenths(12);
        const struct {
            std::int64_t units;
            std::int32_t type;
            std::int16_t moons;
            const char* elements;
        } orbits[] = {
            {3500, TypeNothing, 0, "AB"},     // 0.35: "0.4", outside
            {7499, TypeEnvHostile, 0, "A"},   // a ten-thousandth below the zone
            {7500, TypeNothing, 0, ""},       // the inner edge
            {12000, TypeAsteroids, 3, "A C"}, // the outer edge, a belt with moons
            {12001, TypeEnvGood, 2, "ABC"},   // just beyond
            {120000, 12345, 4, "AB  E"},      // a value outside the table
            {250000, TypeEnvPoor, 1, "A"},
            {480000, TypeEnvAverage, 5, "AB"},
            {12345600, TypeEnvNone, 0, "A"}, // 1234.56
            {20000000, TypeEnvExcellent, 7, "AZ"},
        };
        for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
            OrbitRecord& orbit = s.Orbit(n);
            const auto& known = orbits[n - 1];
            orbit.AU = Distance::FromUnits(known.units);
            orbit.Type = known.type;
            orbit.Moons = known.moons;
            orbit.Radius = 7;
            orbit.Elements = known.elements;
        }
    }

    StarSystem& System() { return controller.State().system; }

    template <class T = QLabel> T* Find(const QWidget* window, const QString& name)
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    QLocale m_locale; // the default before the test
    TempFolder folder;
    Controller controller;
    mdiMain* main = nullptr;
};

// The colour a label paints inside its border, away from its text.
inline QColor PaintedBackground(QLabel* label)
{
    return label->grab().toImage().pixelColor(2, 2);
}

// Chooses the item of the popup menu now shown, as a click would, and
// checks that the menu has gone.
inline void ChooseFromPopup(QMenu* expected, const char* item)
{
    ASSERT_EQ(QApplication::activePopupWidget(), expected);
    QAction* action = expected->findChild<QAction*>(QLatin1String(item));
    ASSERT_NE(action, nullptr) << item;
    QTest::mouseClick(expected, Qt::LeftButton, {}, expected->actionGeometry(action).center());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(expected->isVisible());
}

} // namespace kelvane::test
