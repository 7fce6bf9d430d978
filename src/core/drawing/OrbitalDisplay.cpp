#include "core/drawing/OrbitalDisplay.h"

#include <array>
#include <cmath>

#include "core/model/modGenerate.h"

namespace kelvane {

namespace {

// The drawing's own value of pi: positions depend on it to the last digit.
constexpr double Pi = 3.14159266;

constexpr Colour Rgb(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

constexpr Colour White = Rgb(255, 255, 255);
constexpr Colour OrbitGrey = Rgb(150, 150, 150);
constexpr Colour BodyFill = Rgb(224, 224, 224);
constexpr Colour MoonYellow = Rgb(255, 255, 0);

constexpr int MaxBeltDots = 180;

double Radians(double degrees)
{
    return 2 * Pi * degrees / 360;
}

// How many dots the belt of orbit n gets in a style; 0 for an unknown style.
int BeltDots(OrbitDisplayStyle style, int n)
{
    switch (style) {
    case OrbitDisplayStyle::Arced: {
        static constexpr std::array<int, 10> dots = {20, 30, 40, 50, 60, 70, 70, 70, 70, 70};
        return dots[static_cast<std::size_t>(n - 1)];
    }
    case OrbitDisplayStyle::Flat: return 50;
    case OrbitDisplayStyle::Complete: return (n / 2 + 1) * 30;
    default: return 0;
    }
}

// The half-angle in degrees that keeps an arced or flat belt of orbit n in
// view.
int BeltHalfAngle(int n)
{
    static constexpr std::array<int, 10> halfAngles = {85, 90, 90, 90, 70, 60, 50, 45, 40, 35};
    return halfAngles[static_cast<std::size_t>(n - 1)];
}

void DrawOrbitLines(DrawingSurface& surface, const AppSettings& settings)
{
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        surface.SetFillStyle(FillNone);
        surface.SetPenColor(settings.WhiteOrbits != 0 ? White : OrbitGrey);
        // The width comes back as a whole number: the surface's previous
        // width, halves to even (nearbyint in the default rounding mode).
        const double previousWidth = std::nearbyint(surface.PenWidth());
        surface.SetPenWidth(settings.OrbitPenWidth);
        const double d = OrbitSlotRadius(n);
        if (settings.OrbitDisplay == OrbitDisplayStyle::Flat)
            surface.Line(d, -250, d, 250);
        else
            surface.Circle(0, 0, d);
        surface.SetPenWidth(previousWidth);
    }
}

void DrawPlanet(DrawingSurface& surface, const OrbitRecord& orbit, OrbitDisplayStyle style, int n)
{
    surface.SetFillColor(orbit.Type);
    surface.SetPenColor(orbit.Type);
    double x = orbit.PosX;
    double y = orbit.PosY;
    if (style == OrbitDisplayStyle::Flat) {
        x = OrbitSlotRadius(n);
        y = 0;
    } else if (style == OrbitDisplayStyle::Arced) {
        x = orbit.PosXArc;
        y = orbit.PosYArc;
    }
    surface.Circle(x, y, orbit.Radius);

    const double ring = orbit.Radius + 5;
    for (int j = 1; j <= orbit.Moons; ++j) {
        surface.SetFillColor(MoonYellow);
        surface.SetPenColor(MoonYellow);
        const double theta = (360.0 / orbit.Moons) * (j - 1);
        const double rho = Radians(theta);
        surface.Circle(x + std::cos(rho) * ring, y + std::sin(rho) * ring, 2);
    }
}

void DrawAsteroidBelt(DrawingSurface& surface, const OrbitRecord& orbit, OrbitDisplayStyle style, int n,
                      Random& random)
{
    surface.SetFillColor(orbit.Type);
    surface.SetPenColor(orbit.Type);
    const int dots = BeltDots(style, n);
    const int d = OrbitSlotRadius(n);
    const int halfAngle = BeltHalfAngle(n);

    // Four draws per dot, in order, whether or not the style uses them all.
    std::array<float, 4 * MaxBeltDots> draws;
    random.DrawMany(draws.data(), 4 * static_cast<std::size_t>(dots));
    for (int i = 0; i < dots; ++i) {
        const float* u = &draws[4 * static_cast<std::size_t>(i)];
        const double a = std::floor(21.0 * u[0] - 10);   // across the orbit, -10 to 10
        const double b = std::floor(501.0 * u[1] - 250); // height in the flat style
        const double s = std::floor(5.0 * u[2] + 1);     // radius, 1 to 5
        const double theta = style == OrbitDisplayStyle::Complete ? 360.0 * u[3] + 1
                                                                  : (2.0 * halfAngle + 1) * u[3] - halfAngle;
        const double r = d + a;
        if (style == OrbitDisplayStyle::Flat) {
            surface.Circle(r, b, s);
        } else {
            const double rho = Radians(theta);
            surface.Circle(std::cos(rho) * r, std::sin(rho) * r, s);
        }
    }
}

} // namespace

void DrawOrbitalDisplay(DrawingSurface& surface, const StarSystem& system, const AppSettings& settings,
                        Colour displayBackColor, Random& random)
{
    surface.SetBackColor(displayBackColor);
    surface.Clear();
    const OrbitDisplayStyle style = settings.OrbitDisplay;
    // The star in the middle, or at the middle of the left edge with the
    // arcs and lines reaching as far right, up and down as the surface goes.
    if (style == OrbitDisplayStyle::Complete) {
        surface.SetExtents(-500, 1000, -500, 1000);
        surface.SetAnchor(SurfaceAnchor::Centre);
    } else {
        surface.SetExtents(0, 500, 250, -500);
        surface.SetAnchor(SurfaceAnchor::LeftMiddle);
    }
    if (system.SystemType != 1)
        return;

    // The fill style is left as it is: a new surface starts filled, and the
    // bodies below leave it filled, so the star is always a disc.
    surface.SetFillColor(system.StarType);
    surface.SetPenColor(system.StarType);
    surface.Circle(0, 0, system.StarClass);

    if (settings.VisibleOrbits != 0)
        DrawOrbitLines(surface, settings);

    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        surface.SetFillStyle(FillSolid);
        surface.SetFillColor(BodyFill);
        surface.SetPenColor(0);
        const OrbitRecord& orbit = system.Orbit(n);
        if (IsEnvironment(orbit.Type))
            DrawPlanet(surface, orbit, style, n);
        else if (orbit.Type == TypeAsteroids)
            DrawAsteroidBelt(surface, orbit, style, n, random);
    }
}

int PickOrbit(double x, double y, OrbitDisplayStyle orbitDisplay, double logicalWidth, double logicalHeight)
{
    double k = 0;
    if (orbitDisplay == OrbitDisplayStyle::Flat) {
        k = (x - 20) / 45;
    } else {
        const double distance = std::sqrt(x * x + y * y) * std::fabs(logicalHeight / logicalWidth);
        k = (distance - 20) / 45;
    }
    // A surface without extents gives no number at all: nothing is picked.
    if (std::isnan(k))
        return 0;
    const double n = std::nearbyint(k); // halves to even
    if (n <= 0)
        return 0;
    if (n >= StarSystem::OrbitCount)
        return StarSystem::OrbitCount;
    return static_cast<int>(n);
}

} // namespace kelvane
